// copy-data: the workspace's data moved to another folder or to a database server.

#include "cli/Commands.h"
#include "cli/TableOutput.h"
#include "data/Backend.h"
#include "data/CopyData.h"

#include <filesystem>

namespace velkora::cli {
namespace {

std::optional<UsageProblem> requireTarget(const ParsedArguments& arguments) {
    if (arguments.value("--to").empty())
        return UsageProblem{Msg::MergeMissingOption, "--to"};
    return std::nullopt;
}

Msg problemMessage(data::CopyProblem problem) {
    switch (problem) {
    case data::CopyProblem::TargetHoldsData:
        return Msg::CopyTargetHoldsData;
    case data::CopyProblem::ReadFailed:
        return Msg::CopyReadFailed;
    case data::CopyProblem::CountsDiffer:
        return Msg::CopyCountsDiffer;
    case data::CopyProblem::KeysDamaged:
        return Msg::CopyKeysDamaged;
    default:
        return Msg::CopyWriteFailed;
    }
}

int copyData(const Invocation& call) {
    std::string target = call.arguments.value("--to");
    if (!data::isServerAddress(target)) {
        target = call.callerPath(target);
        std::error_code ignored; // a folder that cannot be made is reported by the first table
        std::filesystem::create_directories(target, ignored);
    }
    const data::CopyReport report = data::copyDataPath(target);
    writeTabRow(call.out, {call.tr(Msg::ColumnFile), call.tr(Msg::ColumnRecords), call.tr(Msg::ColumnPath)});
    for (const data::CopiedTable& table : report.copied)
        writeTabRow(call.out, {table.table, std::to_string(table.records), table.target});
    if (report.problem == data::CopyProblem::None)
        return kSuccess;
    return call.failed(call.tr(problemMessage(report.problem), {report.table, report.detail}));
}

} // namespace

CommandSpec copyDataCommand() {
    return {"copy-data", Msg::CopyDataSummary, Msg::CopyDataHelp, {{"--to", OptionSpec::Kind::Value}}, 0, 0,
            copyData,    requireTarget};
}

} // namespace velkora::cli
