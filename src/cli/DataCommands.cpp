// check, rebuild-keys and reorganise: the record files of the workspace,
// opened, rebuilt and reorganised by the program's own services.

#include "cli/Commands.h"
#include "cli/TableOutput.h"
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
    std::error_code ignored;
    return std::filesystem::absolute(file.diskName(), ignored).lexically_normal().string();
}

// The problems a check found, on one line.
std::string oneLine(const std::string& problems) {
    return replaceAll(trim(replaceAll(problems, "\n", " ")), "  ", " ");
}

// Opens a file through the opening rules (a damaged key file is offered for
// rebuilding, a missing file is created) and checks what it holds.
// Returns false when the file is not sound.
bool checkFile(const Invocation& call, RecordFile& file, bool& ended) {
    // A quiet look first: the opening rules repair what they find, and the
    // report must still say the file was damaged.
    const int before = file.open();
    if (before == data::NoError)
        file.close();
    std::string records = "-";
    std::string state;
    bool sound = true;
    if (!data::OpenRecordFile(file)) {
        state = call.tr(Msg::StateNotOpened);
        sound = false;
        ended = true;
    } else {
        if (file.check() != data::NoError) {
            state = call.tr(Msg::StateKeysDamaged, {oneLine(data::errorText())});
            sound = false;
        } else if (before == data::InvalidKeyFile) {
            state = call.tr(Msg::StateKeysRebuilt);
            sound = false;
        } else {
            state = call.tr(before == data::FileNotFound ? Msg::StateCreated : Msg::StateSound);
        }
        records = std::to_string(file.records());
        data::CloseRecordFile(file);
    }
    writeTabRow(call.out, {std::string(file.table().name), records, state, fullName(file)});
    return sound;
}

int checkFiles(const Invocation& call) {
    writeTabRow(call.out, {call.tr(Msg::ColumnFile), call.tr(Msg::ColumnRecords), call.tr(Msg::ColumnState),
                           call.tr(Msg::ColumnPath)});
    int unsound = 0;
    bool ended = false;
    for (RecordFile* file : filesToHandle(call.arguments)) {
        if (!checkFile(call, *file, ended))
            ++unsound;
        if (ended)
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
    if (!data::reorganiseAddressFile())
        return kFailed;
    call.out << call.tr(Msg::Reorganised, {fullName(data::files().QXADRESS)}) << '\n';
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
