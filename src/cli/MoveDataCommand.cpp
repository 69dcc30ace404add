// move-data: the data files moved to another folder, as the settings window moves them.

#include "app/FolderSwitch.h"
#include "cli/Commands.h"
#include "cli/TableOutput.h"
#include "data/Backend.h"
#include "shared/AppState.h"

namespace velkora::cli {
namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

int moveData(const Invocation& call) {
    const std::string& given = call.arguments.positional.front();
    if (data::isServerAddress(given))
        return call.failed(call.tr(Msg::MoveDataOnServer, {given}));
    const std::string target = call.callerPath(given);
    const std::string before = appState().DATAPATH;
    const data::MoveReport report = app::switchDataPath(appState().STARTINI, target, app::FilesThere::Refuse);
    switch (report.outcome) {
    case data::MoveOutcome::TargetOccupied:
        return call.failed(call.tr(Msg::MoveDataOccupied, {target, joined(report.occupied)}));
    case data::MoveOutcome::Failed:
        return call.failed(call.tr(Msg::MoveDataFailed, {report.file, report.detail, before}));
    default:
        break;
    }
    writeTabRow(call.out, {call.tr(Msg::ColumnFile), call.tr(Msg::ColumnPath)});
    for (const std::string& name : report.moved)
        writeTabRow(call.out, {name, joinPath(target, name)});
    if (!report.leftOver.empty())
        call.err << call.tr(Msg::MoveDataLeftOver, {joined(report.leftOver)}) << '\n';
    return kSuccess;
}

} // namespace

CommandSpec moveDataCommand() {
    return {"move-data", Msg::MoveDataSummary, Msg::MoveDataHelp, {}, 1, 1, moveData};
}

} // namespace velkora::cli
