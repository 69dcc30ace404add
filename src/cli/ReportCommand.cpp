// report: the address list of a mailing file or the activity list, as a PDF file.

#include "activities/ActivityLists.h"
#include "cli/Commands.h"
#include "cli/DocumentArguments.h"
#include "data/files/DbfTable.h"
#include "reports/ActivityListReport.h"
#include "reports/AddressListReport.h"
#include "reports/PdfOutput.h"
#include "shared/AppState.h"

#include <array>
#include <charconv>
#include <span>

namespace velkora::cli {
namespace {

constexpr std::string_view kAddresses = "addresses";
constexpr std::string_view kActivities = "activities";
constexpr std::string_view kTitle = "--title";
constexpr std::string_view kPdf = "--pdf";
constexpr std::string_view kContacts = "--contacts";
constexpr std::string_view kAddress = "--address";
constexpr std::string_view kFrom = "--from";
constexpr std::string_view kTo = "--to";
constexpr std::string_view kKind = "--kind";
constexpr std::string_view kPriority = "--priority";
constexpr std::string_view kMemo = "--memo";

std::optional<std::int32_t> numberOf(const std::string& text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

std::optional<UsageProblem> validateReport(const ParsedArguments& args) {
    const std::string& kind = args.positional.front();
    if (kind != kAddresses && kind != kActivities)
        return UsageProblem{Msg::ReportUnknown, kind};
    if (kind == kAddresses && args.positional.size() != 2)
        return UsageProblem{Msg::ReportWithoutList, kind};
    if (kind == kActivities && args.positional.size() != 1)
        return UsageProblem{Msg::ReportOfActivitiesWithList, args.positional.back()};
    for (std::string_view option : {kTitle, kPdf})
        if (args.value(option).empty())
            return UsageProblem{Msg::MergeMissingOption, std::string(option)};
    // The options of the other list.
    static constexpr std::array<std::string_view, 6> kActivityOptions = {kAddress, kFrom,     kTo,
                                                                         kKind,    kPriority, kMemo};
    static constexpr std::array<std::string_view, 1> kAddressOptions = {kContacts};
    const std::span<const std::string_view> theirs =
        kind == kAddresses ? std::span<const std::string_view>(kActivityOptions) : kAddressOptions;
    for (std::string_view option : theirs)
        if (args.has(option))
            return UsageProblem{Msg::ReportOptionOfOther, std::string(option)};
    for (std::string_view option : {kFrom, kTo})
        if (args.has(option) && !dateArgument(args.value(option)))
            return UsageProblem{Msg::NotADate, args.value(option)};
    for (std::string_view option : {kAddress, kKind, kPriority})
        if (args.has(option) && !numberOf(args.value(option)))
            return UsageProblem{Msg::NotANumber, args.value(option)};
    return std::nullopt;
}

reports::ActivitySelection activitySelection(const ParsedArguments& args) {
    reports::ActivitySelection s;
    const auto number = [&args](std::string_view option) {
        return args.has(option) ? *numberOf(args.value(option)) : 0;
    };
    const auto day = [&args](std::string_view option) {
        return args.has(option) ? *dateArgument(args.value(option)) : 0;
    };
    s.adrnr = number(kAddress);
    s.kind = number(kKind);
    s.priority = number(kPriority);
    s.dateFrom = day(kFrom);
    s.dateTo = day(kTo);
    s.title = args.value(kTitle);
    s.memo = args.has(kMemo);
    return s;
}

int report(const Invocation& call) {
    const ParsedArguments& args = call.arguments;
    std::unique_ptr<reports::ReportGenerator> generator;
    if (args.positional.front() == kAddresses) {
        const std::string list = mailingListPath(call, args.positional.back());
        if (!fileExists(files::DbfTable::tableFileName(list)))
            return call.failed(call.tr(Msg::MergeMailingMissing, {files::DbfTable::tableFileName(list)}));
        generator =
            std::make_unique<reports::AddressListReport>(list, args.value(kTitle), args.has(kContacts));
    } else {
        generator = std::make_unique<reports::ActivityListReport>(
            activitySelection(args), activities::readKinds(appState().WORKINI),
            activities::readPriorities(appState().WORKINI));
    }
    if (!generator->generateAll())
        return kFailed;
    const std::string pdf = call.callerPath(args.value(kPdf));
    if (!reports::pdfOutput())
        return call.failed(call.tr(Msg::ReportNoPdf));
    if (const std::string problem = reports::pdfOutput()(generator->report(), pdf); !problem.empty())
        return call.failed(call.tr(Msg::ReportNotWritten, {problem}));
    return kSuccess;
}

} // namespace

CommandSpec reportCommand() {
    using Kind = OptionSpec::Kind;
    return {"report",
            Msg::ReportSummary,
            Msg::ReportHelp,
            {{kTitle, Kind::Value},
             {kPdf, Kind::Value},
             {kContacts, Kind::Flag},
             {kAddress, Kind::Value},
             {kFrom, Kind::Value},
             {kTo, Kind::Value},
             {kKind, Kind::Value},
             {kPriority, Kind::Value},
             {kMemo, Kind::Flag}},
            1,
            2,
            report,
            validateReport};
}

} // namespace velkora::cli
