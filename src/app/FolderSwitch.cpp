#include "app/FolderSwitch.h"

#include "data/Backend.h"
#include "data/FileServices.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"

namespace velkora::app {
namespace {

// A file still open here would go on being written in the old folder.
std::string openDataFile() {
    for (const data::TableDef* table : data::allTables())
        if (table->location == data::FileLocation::DataPath)
            if (data::RecordFile* file = data::files().byName(table->name); file && file->isOpen())
                return std::string(table->name) + ".TPS";
    return {};
}

data::MoveReport switchFolder(const std::string& startIni, std::string_view key, std::string& running,
                              const std::vector<std::string>& files, const std::string& newPath,
                              FilesThere there) {
    data::MoveReport report;
    const bool onServer = data::isServerAddress(running) || data::isServerAddress(newPath);
    if (!onServer) {
        report = data::moveFiles(files, running, newPath);
        if (report.outcome == data::MoveOutcome::TargetOccupied && there == FilesThere::Use)
            report.outcome = data::MoveOutcome::NothingToMove;
    }
    if (report.outcome == data::MoveOutcome::Moved || report.outcome == data::MoveOutcome::NothingToMove) {
        profile::write(startIni, "SETUP", key, newPath);
        running = newPath;
    }
    return report;
}

} // namespace

data::MoveReport switchDataPath(const std::string& startIni, const std::string& newPath, FilesThere there) {
    if (const std::string open = openDataFile(); !open.empty())
        return {data::MoveOutcome::Failed, {}, {}, {}, open, "the file is open"};
    return switchFolder(startIni, "DataPath", appState().DATAPATH, data::dataFileNames(), newPath, there);
}

data::MoveReport switchMailPath(const std::string& startIni, const std::string& newPath) {
    return switchFolder(startIni, "MailPath", appState().MAILPATH, data::mailFileNames(), newPath,
                        FilesThere::Use);
}

} // namespace velkora::app
