#include "cli/Commands.h"
#include "data/files/DbfTable.h"
#include "documents/MailingFile.h"
#include "documents/ProcessTplFile.h"
#include "shared/AppState.h"

namespace velkora::cli {
namespace {

constexpr std::string_view kTemplate = "--template";
constexpr std::string_view kMailing = "--mailing";
constexpr std::string_view kOut = "--out";

std::optional<UsageProblem> checkFiles(const ParsedArguments& arguments) {
    for (std::string_view option : {kTemplate, kMailing, kOut})
        if (arguments.value(option).empty())
            return UsageProblem{Msg::MergeMissingOption, std::string(option)};
    return std::nullopt;
}

int merge(const Invocation& call) {
    const ParsedArguments& args = call.arguments;
    const std::string mailing = call.callerPath(args.value(kMailing));
    // The engine creates a missing mailing file empty, which suits the
    // program (it fills the file first) but would hide a mistyped name here.
    if (!fileExists(files::DbfTable::tableFileName(mailing)))
        return call.failed(call.tr(Msg::MergeMailingMissing, {files::DbfTable::tableFileName(mailing)}));
    if (args.has("--show-errors"))
        appState().SHOWERRORS = 1;
    documents::mailingFile().setName(mailing);
    const auto result = documents::ProcessTplFile(call.callerPath(args.value(kOut)),
                                                  call.callerPath(args.value(kTemplate)), 1);
    return result == documents::TemplateResult::Written ? kSuccess : kFailed;
}

} // namespace

CommandSpec mergeCommand() {
    using Kind = OptionSpec::Kind;
    return {"merge",
            Msg::MergeSummary,
            Msg::MergeHelp,
            {{kTemplate, Kind::Value},
             {kMailing, Kind::Value},
             {kOut, Kind::Value},
             {"--show-errors", Kind::Flag}},
            0,
            0,
            merge,
            checkFiles};
}

} // namespace velkora::cli
