// import and export-vcard: addresses from text, dBase, a mail program's CSV
// or vCard through the exchange file, and addresses out as vCard 4.0.

#include "cli/Commands.h"
#include "exchange/DuplicateCheck.h"
#include "exchange/ImportRun.h"
#include "exchange/VCardExport.h"
#include "i18n/Messages.h"
#include "shared/AppState.h"
#include "shared/Text.h"

#include <charconv>

namespace velkora::cli {
namespace {

using namespace exchange;

constexpr std::string_view kFormat = "--format", kDelimiter = "--delimiter", kFixed = "--fixed",
                           kHeader = "--header", kRemoveQuotes = "--remove-quotes", kOem = "--oem",
                           kMap = "--map", kCheck = "--check", kSkipDuplicates = "--skip-duplicates";

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || value < 1)
        return std::nullopt;
    return value;
}

// "1:20,21:5": position and length of each column.
std::optional<std::vector<FixedColumn>> fixedColumns(std::string_view text) {
    std::vector<FixedColumn> columns;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find(',', at), text.size());
        const std::string_view part = text.substr(at, end - at);
        const std::size_t colon = part.find(':');
        const auto pos = number(part.substr(0, colon));
        const auto len = colon == std::string_view::npos ? std::nullopt : number(part.substr(colon + 1));
        if (!pos || !len || columns.size() == kFixedColumns)
            return std::nullopt;
        columns.push_back({*pos, *len});
        at = end + 1;
    }
    return columns;
}

std::optional<UsageProblem> validateImport(const ParsedArguments& args) {
    if (args.has(kFormat) && !importFormatNamed(args.value(kFormat)))
        return UsageProblem{Msg::ImportBadFormat, args.value(kFormat)};
    if (args.has(kFixed) && !fixedColumns(args.value(kFixed)))
        return UsageProblem{Msg::ImportBadFixed, args.value(kFixed)};
    const std::string delimiter = args.value(kDelimiter, ";");
    if (delimiter.empty() || delimiter.size() > 3)
        return UsageProblem{Msg::ImportBadDelimiter, delimiter};
    ColumnMapping mapping;
    std::string wrong;
    if (args.has(kMap) && !parseMapping(args.value(kMap), mapping, wrong))
        return UsageProblem{Msg::ImportBadMap, wrong};
    return std::nullopt;
}

ImportOptions importOptions(const Invocation& call) {
    const ParsedArguments& args = call.arguments;
    ImportOptions options;
    options.file = call.callerPath(args.positional.front());
    options.format = *importFormatNamed(args.value(kFormat, "text"));
    options.delimiter = args.value(kDelimiter, ";");
    if (options.delimiter == "\\t")
        options.delimiter = "\t";
    options.header = args.has(kHeader);
    options.removeQuotes = args.has(kRemoveQuotes);
    options.oem = args.has(kOem);
    if (args.has(kFixed)) {
        options.delimited = false;
        options.fixed = *fixedColumns(args.value(kFixed));
    }
    return options;
}

// Removes the rows the check found duplicates for; each becomes a row not imported.
void removeDuplicates(files::DbfTable& exchange, const CheckOutcome& check, const Invocation& call,
                      std::vector<ImportFailure>& failed) {
    const std::vector<int> layout = exchangeLayout(exchange);
    files::DbfRecord record;
    for (std::size_t i = 0; i < check.duplicates.size();) {
        const std::uint32_t row = check.duplicates[i].row;
        std::string numbers;
        for (; i < check.duplicates.size() && check.duplicates[i].row == row; ++i)
            numbers += (numbers.empty() ? "" : ", ") + std::to_string(check.duplicates[i].adrnr);
        exchange.read(row, record);
        failed.push_back(
            {row, exchangeRow(layout, record)[ef::NAME1], call.tr(Msg::ImportDuplicateOf, {numbers})});
        exchange.markDeleted(row);
    }
}

int runImport(const Invocation& call) {
    const ParsedArguments& args = call.arguments;
    std::string problem;
    const ImportOptions options = importOptions(call);
    auto source = openImportSource(options, problem);
    if (!source)
        return call.failed("OPEN(AdressASCII): " + problem);
    ColumnMapping mapping = automaticMapping(source->columns(), translatedDescriptions());
    if (args.has(kMap))
        parseMapping(args.value(kMap), mapping = {}, problem);
    if (mapping.column[ef::NAME1] == 0)
        return call.failed(call.tr(Msg::ImportNoName1));

    const std::string exchangeName = exchangeFileName(appState().MAILPATH);
    const ReadOutcome read = readIntoExchange(*source, mapping, exchangeName);
    if (read.result != ReadOutcome::Result::Done) {
        i18n::ShowMessage("M.FIL_ERROR", Icon::Stop, "Import File");
        return call.failed(read.problem);
    }
    call.out << call.tr(Msg::ImportRowsRead, {std::to_string(read.rowsRead), std::to_string(read.rowsAdded)})
             << '\n';

    data::OpenedFiles opened;
    auto& adr = data::files().QXADRESS;
    auto& tkp = data::files().QXADRTKP;
    if (!opened.open({&adr, &tkp}))
        return kFailed;
    files::DbfTable exchange;
    if (const files::FileError error = exchange.open(exchangeName, files::DbfTable::Access::Write)) {
        i18n::ShowMessage("M.FIL_ERROR", Icon::Stop, "Import File");
        return call.failed(error.text);
    }
    std::vector<ImportFailure> failed;
    if (args.has(kCheck) || args.has(kSkipDuplicates)) {
        DuplicateFinder finder;
        if (finder.load(adr) != data::NoError)
            return call.failed(data::errorText());
        const CheckOutcome check = checkExchange(exchange, finder);
        if (!check.done)
            return call.failed(check.problem);
        call.out << call.tr(Msg::ImportDuplicates, {std::to_string(check.rowsWithDuplicates),
                                                    std::to_string(check.duplicates.size())})
                 << '\n';
        if (args.has(kSkipDuplicates))
            removeDuplicates(exchange, check, call, failed);
    }
    std::size_t imported = 0;
    bool allAdded = true;
    if (i18n::ShowMessage("M.IMP_Start", Icon::Exclamation, "start import?", ButtonYes | ButtonNo,
                          ButtonNo) == ButtonYes) {
        ImportOutcome run = importExchange(exchange, adr, tkp, importContactKind(appState().WORKINI));
        imported = run.imported;
        allAdded = run.failed.empty();
        failed.insert(failed.end(), run.failed.begin(), run.failed.end());
    } else {
        call.out << call.tr(Msg::ImportNotStarted) << '\n';
    }
    call.out << call.tr(Msg::ImportImported, {std::to_string(imported)}) << '\n';
    call.out << call.tr(Msg::ImportNotImported, {std::to_string(read.rowsAdded - imported)}) << '\n';
    for (const ImportFailure& f : failed)
        call.out << call.tr(Msg::ImportFailedRow, {std::to_string(f.row), f.name1, f.reason}) << '\n';
    return allAdded ? kSuccess : kFailed;
}

std::optional<UsageProblem> validateExport(const ParsedArguments& args) {
    for (const std::string& n : args.positional)
        if (!number(n))
            return UsageProblem{Msg::ExportNotANumber, n};
    return std::nullopt;
}

int runExportVCard(const Invocation& call) {
    data::OpenedFiles opened;
    auto& adr = data::files().QXADRESS;
    auto& tkp = data::files().QXADRTKP;
    if (!opened.open({&adr, &tkp}))
        return kFailed;
    std::vector<std::int32_t> numbers;
    for (const std::string& n : call.arguments.positional)
        numbers.push_back(*number(n));
    call.out << exportVCards(adr, tkp, numbers);
    return kSuccess;
}

} // namespace

CommandSpec importCommand() {
    using K = OptionSpec::Kind;
    return {"import",
            Msg::ImportSummary,
            Msg::ImportHelp,
            {{kFormat, K::Value},
             {kDelimiter, K::Value},
             {kFixed, K::Value},
             {kHeader, K::Flag},
             {kRemoveQuotes, K::Flag},
             {kOem, K::Flag},
             {kMap, K::Value},
             {kCheck, K::Flag},
             {kSkipDuplicates, K::Flag}},
            1,
            1,
            runImport,
            validateImport};
}

CommandSpec exportVCardCommand() {
    return {"export-vcard", Msg::ExportVCardSummary, Msg::ExportVCardHelp, {}, 0,
            1000000,        runExportVCard,          validateExport};
}

} // namespace velkora::cli
