#include "app/ProgramSettings.h"

#include "shared/AppState.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

#include <algorithm>
#include <filesystem>

namespace velkora::app {
namespace {

constexpr std::string_view kSetup = "SETUP";
constexpr std::string_view kDefault = "DEFAULT";
constexpr std::size_t kCodeChars = 3;

bool readFlag(const std::string& file, std::string_view key, long fallback) {
    return profile::readInt(file, kDefault, key, fallback) != 0;
}

void writeFlag(const std::string& file, std::string_view key, bool on) {
    profile::write(file, kDefault, key, on ? "1" : "0");
}

} // namespace

std::vector<Language> installedLanguages(const std::string& folder) {
    std::vector<Language> languages;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string file = entry.path().filename().string();
        // "ORB*.ENV" in any case, as the file system's pattern search would find it.
        const std::string upper = upperText(file);
        if (!entry.is_regular_file(ec) || upper.size() < 7 || !startsWith(upper, "ORB") ||
            upper.substr(upper.size() - 4) != ".ENV")
            continue;
        Language language;
        language.id = upper.substr(3, upper.size() - 7);
        language.name = profile::read(entry.path().string(), "ID", "Language");
        language.env = file;
        language.tps = "ORB" + language.id + ".TPS";
        language.hlp = "ORB" + language.id + ".HLP";
        languages.push_back(std::move(language));
    }
    std::sort(languages.begin(), languages.end(),
              [](const Language& a, const Language& b) { return a.id < b.id; });
    std::erase_if(languages, [&](const Language& l) { return !fileExists(joinPath(folder, l.tps)); });
    return languages;
}

bool isStartFileOf(const std::string& startIni, const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path here = fs::path(folder) / "ORB.INI";
    if (fs::equivalent(here, startIni, ec))
        return true;
    return fs::weakly_canonical(here, ec) == fs::weakly_canonical(startIni, ec);
}

StartSettings loadStartSettings(const std::string& startIni) {
    const AppState& state = appState();
    StartSettings s;
    s.langId = profile::read(startIni, kSetup, "LangID");
    s.toolBarNav = readFlag(startIni, "ToolBarNav", 1);
    s.openAdrList = readFlag(startIni, "OpenAdrList", 0);
    s.openAktList = readFlag(startIni, "OpenAKtList", 0);
    s.openTkpList = readFlag(startIni, "OpenTKPList", 0);
    s.openRmdList = readFlag(startIni, "OpenRmdList", 0);
    s.showAlarm = readFlag(startIni, "ShowAlarm", 1);
    s.tapiDialing = readFlag(startIni, "TAPIDialing", 0);
    s.dialPrefix = cutChars(profile::read(startIni, kDefault, "DialPrefix"), kCodeChars);
    s.adrLd = cutChars(profile::read(startIni, kDefault, "AdrLd"), kCodeChars);
    s.adrStrExt = profile::readInt(startIni, kDefault, "AdrStrExt", 0) > 0;
    s.workPath = state.WORKPATH;
    s.dataPath = state.DATAPATH;
    s.tmplPath = state.TMPLPATH;
    s.docsPath = state.DOCSPATH;
    s.mailPath = state.MAILPATH;
    return s;
}

void saveLanguageAndWorkPath(const std::string& startIni, const StartSettings& s) {
    profile::write(startIni, kSetup, "WorkPath", s.workPath);
    profile::write(startIni, kSetup, "LangID", s.langId);
}

void saveDefaults(const std::string& startIni, const StartSettings& s) {
    writeFlag(startIni, "ToolBarNav", s.toolBarNav);
    writeFlag(startIni, "OpenAdrList", s.openAdrList);
    writeFlag(startIni, "OpenAKtList", s.openAktList);
    writeFlag(startIni, "OpenTKPList", s.openTkpList);
    writeFlag(startIni, "OpenRmdList", s.openRmdList);
    writeFlag(startIni, "ShowAlarm", s.showAlarm);
    writeFlag(startIni, "TAPIDialing", s.tapiDialing);
    profile::write(startIni, kDefault, "DialPrefix", s.tapiDialing ? cutChars(s.dialPrefix, kCodeChars) : "");
    profile::write(startIni, kDefault, "AdrLd", cutChars(s.adrLd, kCodeChars));
    writeFlag(startIni, "AdrStrExt", s.adrStrExt);
}

} // namespace velkora::app
