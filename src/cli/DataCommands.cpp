// check, rebuild-keys and reorganise: the record files of the workspace,
// opened, rebuilt and reorganised by the program's own services.

#include "app/ReorganiseReport.h"
#include "cli/Commands.h"
#include "cli/TableOutput.h"
#include "data/Backend.h"
#include "data/FileServices.h"
#include "data/Reorganise.h"
#include "data/StandardWarnings.h"
#include "shared/Text.h"

#include <filesystem>

namespace velkora::cli {
namespace {

using data::RecordFile;

// Every record file, or the one named; empty for an unknown name.
std::vector<RecordFile*> filesToHandle(const ParsedArguments& arguments) {
    std::vector<RecordFile*> out;
    if (!arguments.positional.empty()) {
        if (RecordFile* file = data::files().byName(arguments.positional.front()))
            out.push_back(file);
        return out;
    }
    for (const data::TableDef* table : data::allTables())
        if (RecordFile* file = data::files().byName(table->name))
            out.push_back(file);
    return out;
}

std::optional<UsageProblem> checkTableName(const ParsedArguments& arguments) {
    if (filesToHandle(arguments).empty())
        return UsageProblem{Msg::UnknownTable, arguments.positional.front()};
    return std::nullopt;
}

// The file's full name: relative data paths are taken from the start folder.
std::string fullName(const RecordFile& file) {
    if (data::isServerAddress(file.diskName()))
        return file.diskName();
    std::error_code ignored;
    return std::filesystem::absolute(file.diskName(), ignored).lexically_normal().string();
}

// The problems a check found (one a line) on one line.
std::string oneLine(std::string problems) {
    while (!problems.empty() && problems.back() == '\n')
        problems.pop_back();
    return replaceAll(problems, "\n", "; ");
}

enum class Outcome { Sound, NotSound, ApplicationEnded };

// Opens a file through the opening rules (a damaged key file is offered for
// rebuilding, a missing file is created) and checks what it holds.
Outcome checkFile(const Invocation& call, RecordFile& file) {
    // A quiet look first: the opening rules repair what they find, and the
    // report must still say the file was damaged.
    const int before = file.open();
    if (before == data::NoError)
        file.close();
    std::string records = "-";
    std::string state;
    Outcome outcome = Outcome::NotSound;
    if (!data::OpenRecordFile(file)) {
        state = call.tr(Msg::StateNotOpened);
        outcome = Outcome::ApplicationEnded;
    } else {
        if (file.check() != data::NoError) {
            state = call.tr(Msg::StateKeysDamaged, {oneLine(data::errorText())});
        } else if (before == data::InvalidKeyFile) {
            state = call.tr(Msg::StateKeysRebuilt);
        } else {
            state = call.tr(before == data::FileNotFound ? Msg::StateCreated : Msg::StateSound);
            outcome = Outcome::Sound;
        }
        records = std::to_string(file.records());
        data::CloseRecordFile(file);
    }
    writeTabRow(call.out, {std::string(file.table().name), records, state, fullName(file)});
    return outcome;
}

int checkFiles(const Invocation& call) {
    writeTabRow(call.out, {call.tr(Msg::ColumnFile), call.tr(Msg::ColumnRecords), call.tr(Msg::ColumnState),
                           call.tr(Msg::ColumnPath)});
    int unsound = 0;
    for (RecordFile* file : filesToHandle(call.arguments)) {
        const Outcome outcome = checkFile(call, *file);
        if (outcome != Outcome::Sound)
            ++unsound;
        if (outcome == Outcome::ApplicationEnded)
            break;
    }
    if (unsound == 0)
        return kSuccess;
    return call.failed(call.tr(Msg::FilesNotSound, {std::to_string(unsound)}));
}

int rebuildKeys(const Invocation& call) {
    writeTabRow(call.out, {call.tr(Msg::ColumnFile), call.tr(Msg::ColumnState), call.tr(Msg::ColumnPath)});
    for (RecordFile* file : filesToHandle(call.arguments)) {
        const int code = file->rebuildKeys();
        const Msg state = code == data::NoError        ? Msg::StateKeysRebuiltNow
                          : code == data::FileNotFound ? Msg::StateMissing
                                                       : Msg::StateRebuildFailed;
        writeTabRow(call.out, {std::string(file->table().name), call.tr(state), fullName(*file)});
        if (state == Msg::StateRebuildFailed) {
            // As when opening: the rebuild error is told and the application ends.
            data::RecordErrorState();
            data::ShowStandardWarning(data::Warn::RebuildError, fullName(*file));
            return kFailed;
        }
    }
    return kSuccess;
}

int reorganise(const Invocation& call) {
    const data::ReorganiseSummary summary = data::reorganiseAddressFile();
    if (!summary.done)
        return kFailed;
    // The window's closing message, a line for each of its lines.
    call.out << replaceAll(app::reorganiseReport(summary).text, "|", "\n") << '\n';
    return kSuccess;
}

} // namespace

CommandSpec checkCommand() {
    return {"check", Msg::CheckSummary, Msg::CheckHelp, {}, 0, 1, checkFiles, checkTableName};
}

CommandSpec rebuildKeysCommand() {
    return {"rebuild-keys", Msg::RebuildSummary, Msg::RebuildHelp, {}, 0, 1, rebuildKeys, checkTableName};
}

CommandSpec reorganiseCommand() {
    return {"reorganise", Msg::ReorganiseSummary, Msg::ReorganiseHelp, {}, 0, 0, reorganise};
}

} // namespace velkora::cli
