#pragma once
// What the settings window edits in the start file, and the languages that
// are installed. The window holds these values from opening until OK; only
// save() writes, so Cancel leaves every file as it was.

#include <string>
#include <vector>

namespace velkora::app {

// One installed language: an environment file ORB<code>.ENV with its
// translation file beside it.
struct Language {
    std::string id;   // Q:ID, the code between "ORB" and ".ENV" ("" for German)
    std::string name; // Q:LNG, [ID] Language of the environment file
    std::string env;  // Q:ENV, the environment file's name
    std::string tps;  // Q:TPS, "ORB" + code + ".TPS"
    std::string hlp;  // Q:HLP, "ORB" + code + ".HLP"
};

// The languages of `folder` sorted by code; a language whose translation
// file is missing is left out, since the program could not show it.
std::vector<Language> installedLanguages(const std::string& folder);

// True when `startIni` is the ORB.INI of `folder`, compared as resolved
// paths: the same file reached through a link or "..", never case-folded.
bool isStartFileOf(const std::string& startIni, const std::string& folder);

// The start file's values of the settings window.
struct StartSettings {
    std::string langId;
    bool toolBarNav = true;
    bool openAdrList = false;
    bool openAktList = false;
    bool openTkpList = false;
    bool openRmdList = false;
    bool showAlarm = true;
    bool tapiDialing = false;
    std::string dialPrefix; // at most 3 characters
    std::string adrLd;      // default country code, at most 3 characters
    bool adrStrExt = false;
    // The paths as the user chose them: Linux paths are case-sensitive.
    std::string workPath;
    std::string dataPath;
    std::string tmplPath;
    std::string docsPath;
    std::string mailPath;
};

// Reads the switches from `startIni` and the paths from the running values.
StartSettings loadStartSettings(const std::string& startIni);

// Writes SETUP WorkPath and LangID.
void saveLanguageAndWorkPath(const std::string& startIni, const StartSettings& settings);
// Writes the DEFAULT keys; the dial prefix only while dialling is on, else empty.
void saveDefaults(const std::string& startIni, const StartSettings& settings);

} // namespace velkora::app
