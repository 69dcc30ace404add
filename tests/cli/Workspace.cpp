#include "Workspace.h"

#include "RunProgram.h"
#include "ScriptedPrompter.h"
#include "StandIns.h"
#include "TempDir.h"
#include "app/DemoWorkspace.h"
#include "app/Startup.h"
#include "data/FileServices.h"
#include "data/files/DbfTable.h"
#include "documents/MailingFile.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

namespace fs = std::filesystem;

namespace velkora::test {
namespace {

const std::string& demoTemplate() {
    static const auto folder = [] {
        auto dir = std::make_unique<TempDir>();
        std::string error;
        if (!app::ensureDemoWorkspace(dir->str(), error))
            throw std::runtime_error(error);
        return dir;
    }();
    static const std::string path = folder->str();
    return path;
}

std::string withControlCharacters(const std::string& text) {
    return replaceAll(replaceAll(replaceAll(text, "{CR}", "\r"), "{LF}", "\n"), "{TAB}", "\t");
}

// A mailing-style table with what CSV must quote: commas, quotes, line
// breaks in a memo, umlauts, an empty memo and a blank date.
void writeSampleDbf(const std::string& name) {
    using files::DbfType;
    files::DbfTable::create(name, {{"NAME1", DbfType::Character, 30},
                                   {"ORT", DbfType::Character, 20},
                                   {"ANZAHL", DbfType::Numeric, 5},
                                   {"DATUM", DbfType::Date, 8},
                                   {"AKTIV", DbfType::Logical, 1},
                                   {"MEMO", DbfType::Memo, 10}});
    files::DbfTable table;
    table.open(name, files::DbfTable::Access::Write);
    table.append(
        {{"Müller GmbH", "München", "12", "20240131", "T", "Erste Zeile\r\nZweite Zeile"}, {}, false});
    table.append({{"Meier, \"Der Bäcker\"", "Köln", "3", "", "F", ""}, {}, false});
}

// Two recipients in mailing layout, one with a memo.
void writeSampleMailingFile(const std::string& name) {
    documents::MailingFile mailing;
    mailing.setName(name);
    documents::MailingFile::create(name);
    mailing.open(files::DbfTable::Access::Write);
    mailing.rec.NAME1 = "Müller GmbH";
    mailing.rec.ORT = "München";
    mailing.rec.MEMO = "Stammkunde";
    mailing.add();
    mailing.clear();
    mailing.rec.NAME1 = "Meier & Söhne {Bäckerei}";
    mailing.rec.ORT = "Köln";
    mailing.add();
    mailing.close();
}

// Appends a row to a mailing list (created when missing):
// "mailing-row MAIL/KUNDEN.DBF ADRNR=7 NAME1=Meier".
void addMailingRow(const std::string& folder, const std::vector<std::string>& args) {
    const std::string name = (fs::path(folder) / args.at(1)).string();
    if (!fileExists(files::DbfTable::tableFileName(name)))
        documents::MailingFile::create(name);
    documents::MailingFile mailing;
    mailing.setName(name);
    mailing.open(files::DbfTable::Access::Write);
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::size_t equals = args[i].find('=');
        const std::string field = args[i].substr(0, equals);
        const std::string value = withControlCharacters(args[i].substr(equals + 1));
        for (const documents::MailingTextField& f : documents::mailingTextFields())
            if (field == f.name)
                mailing.rec.*f.member = value;
    }
    mailing.add();
}

// The file of a table as the program names it in this workspace.
data::RecordFile& tableFile(const std::string& folder, const std::string& table) {
    resetAppState();
    ScriptedPrompter quiet; // start-up notices are the program's business, not the set-up's
    app::runStartup(folder);
    data::RecordFile* file = data::files().byName(table);
    if (!file)
        throw std::runtime_error("unknown table " + table);
    file->setFileName({});
    file->setFileName((fs::path(folder) / file->fileName()).lexically_normal().string());
    return *file;
}

// Adds one record: "add QXADRBRA BRANCHE=EDV BEZEICHNG=Software".
void addRecord(const std::string& folder, const std::vector<std::string>& args) {
    data::RecordFile& file = tableFile(folder, args.at(1));
    if (!fileExists(file.diskName()))
        file.create();
    file.open();
    file.clear();
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::size_t equals = args[i].find('=');
        file.setText(std::string(file.table().prefix) + ":" + args[i].substr(0, equals),
                     withControlCharacters(args[i].substr(equals + 1)));
    }
    const int code = file.add();
    file.close();
    if (code != data::NoError)
        throw std::runtime_error("cannot add to " + args.at(1) + ": " + data::errorText());
}

// Runs SQL on a table's file with the sqlite3 shell, as a foreign tool would.
void runSqlite(const std::string& folder, const std::vector<std::string>& args) {
    const std::string file = tableFile(folder, args.at(1)).diskName();
    const ProgramResult result = runProgram(findProgram("sqlite3"), {file, args.at(2)}, folder);
    if (result.status != 0)
        throw std::runtime_error("sqlite3: " + result.err);
}

using Step = std::function<void(const std::string& folder, const std::vector<std::string>& args)>;

const std::map<std::string, Step>& steps() {
    static const std::map<std::string, Step> table = {
        {"remove",
         [](const std::string& folder, const auto& args) { fs::remove(fs::path(folder) / args.at(1)); }},
        {"write",
         [](const std::string& folder, const auto& args) {
             const fs::path file = fs::path(folder) / args.at(1);
             fs::create_directories(file.parent_path());
             std::ofstream(file, std::ios::binary) << withControlCharacters(args.at(2));
         }},
        {"ini",
         [](const std::string& folder, const auto& args) {
             profile::write((fs::path(folder) / args.at(1)).string(), args.at(2), args.at(3), args.at(4));
         }},
        {"add", addRecord},
        {"empty", [](const std::string& folder,
                     const auto& args) { fs::remove(tableFile(folder, args.at(1)).diskName()); }},
        {"sqlite", runSqlite},
        {"mailing-file",
         [](const std::string& folder, const auto& args) {
             writeSampleMailingFile((fs::path(folder) / args.at(1)).string());
         }},
        {"mailing-row", addMailingRow},
        {"stand-in",
         [](const std::string& folder, const auto& args) {
             installStandIn((fs::path(folder) / "BIN").string(), args.at(1));
         }},
        {"mailing", [](const std::string& folder,
                       const auto& args) { writeSampleDbf((fs::path(folder) / args.at(1)).string()); }},
    };
    return table;
}

} // namespace

void copyDemoWorkspace(const std::string& folder) {
    fs::copy(demoTemplate(), folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    // The demo start file names its own folders; the copy must name the copy's.
    const std::string ini = (fs::path(folder) / "ORB.INI").string();
    for (const auto& [key, value] : profile::readSection(ini, "SETUP"))
        if (startsWith(value, demoTemplate()))
            profile::write(ini, "SETUP", key, folder + value.substr(demoTemplate().size()));
}

bool runSetupStep(const std::string& folder, const std::vector<std::string>& step) {
    const auto it = step.empty() ? steps().end() : steps().find(step.front());
    if (it == steps().end())
        return false;
    it->second(folder, step);
    return true;
}

} // namespace velkora::test
