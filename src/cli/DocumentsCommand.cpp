// documents: the letters of a mailing list, made as the print options'
// "Create" makes them, for offices that send their mailings from a script.

#include "cli/Commands.h"
#include "cli/DocumentArguments.h"
#include "data/files/DbfTable.h"
#include "documents/DocumentRun.h"
#include "shared/AppState.h"

#include <charconv>

namespace velkora::cli {
namespace {

constexpr std::string_view kTemplate = "--template";
constexpr std::string_view kTitle = "--title";
constexpr std::string_view kPrint = "--print";
constexpr std::string_view kCopies = "--copies";
constexpr std::string_view kActivities = "--activities";
constexpr std::string_view kAutoCopies = "auto";
constexpr int kMostCopies = 999;

std::optional<int> copiesOf(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kMostCopies)
        return std::nullopt;
    return value;
}

std::optional<UsageProblem> validateDocuments(const ParsedArguments& args) {
    for (std::string_view option : {kTemplate, kTitle})
        if (args.value(option).empty())
            return UsageProblem{Msg::MergeMissingOption, std::string(option)};
    if (args.has(kCopies)) {
        if (!args.has(kPrint))
            return UsageProblem{Msg::LetterCopiesWithoutPrint, std::string(kCopies)};
        const std::string copies = args.value(kCopies);
        if (copies != kAutoCopies && !copiesOf(copies))
            return UsageProblem{Msg::DocumentsNotCopies, copies};
    }
    return std::nullopt;
}

int documentsRun(const Invocation& call) {
    const ParsedArguments& args = call.arguments;
    documents::DocumentRunRequest request;
    request.mailingList = mailingListPath(call, args.positional.front());
    const std::string table = files::DbfTable::tableFileName(request.mailingList);
    if (!fileExists(table))
        return call.failed(call.tr(Msg::MergeMailingMissing, {table}));
    request.templateFile = templateArgument(call);
    if (request.templateFile.empty())
        return call.failed(call.tr(Msg::LetterTemplateMissing, {args.value(kTemplate)}));
    request.title = args.value(kTitle);
    request.print = args.has(kPrint);
    request.printer = args.value(kPrint);
    const std::string copies = args.value(kCopies);
    request.copies = copies.empty()          ? 1
                     : copies == kAutoCopies ? documents::kCopiesPerRow
                                             : *copiesOf(copies);
    request.saveActivity = args.has(kActivities);

    documents::DocumentRun run(request);
    if (!run.start())
        return kFailed;
    run.runToEnd();
    for (const std::string& document : run.documents())
        call.out << document << '\n';
    // The letters are there, but a script must learn that the history lacks some.
    return run.recorded() ? kSuccess : kFailed;
}

} // namespace

CommandSpec documentsCommand() {
    using Kind = OptionSpec::Kind;
    return {"documents",
            Msg::DocumentsSummary,
            Msg::DocumentsHelp,
            {{kTemplate, Kind::Value},
             {kTitle, Kind::Value},
             {kPrint, Kind::Value},
             {kCopies, Kind::Value},
             {kActivities, Kind::Flag}},
            1,
            1,
            documentsRun,
            validateDocuments};
}

} // namespace velkora::cli
