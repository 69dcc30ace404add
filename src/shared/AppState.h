#pragma once
// The process-wide values that windows and services share (the GS: strings
// and GN: numbers). Start-up fills the paths; lists publish the selection.
// Written by one window and read by others on the one GUI thread.

#include <cstdint>
#include <string>

namespace velkora {

// The login name of the user running the program, cut to 8 characters
// ("" when the system knows none).
std::string loginShortName();

struct AppState {
    std::string STARTINI;            // GS:STARTINI, full name of the start file
    std::string WORKPATH;            // GS:WORKPATH
    std::string WORKINI;             // GS:WORKINI, WorkPath + "/ORB.INI"
    std::string DATAPATH;            // GS:DATAPATH
    std::string TMPLPATH;            // GS:TMPLPATH
    std::string DOCSPATH;            // GS:DOCSPATH
    std::string MAILPATH;            // GS:MAILPATH
    std::string ENVFILE = "ORB.ENV"; // GS:ENVFILE, "ORB" + LangID + ".ENV"
    std::string HELPFILE = "orb";    // GS:HELPFILE
    std::string INITPATH;            // the program folder of the run
    std::string LANGID;              // upper-cased, clipped
    std::string TRLFILE;             // translation file name without extension
    std::uint8_t WRITETRL = 0;       // GN:WRITETRL
    std::uint8_t SHOWERRORS = 0;     // GN:SHOWERRORS
    std::uint8_t SHOWALARM = 1;      // GN:SHOWALARM
    std::int32_t ADRNR = 0;          // GN:ADRNR
    std::int32_t TKPNR = 0;          // GN:TKPNR
    // The user short name that creation stamps (AUSER) record: the login
    // name, cut to 8 characters.
    std::string USERSHORT = loginShortName();

    // The environment file of the current language as messages read it.
    std::string envFilePath() const;
};

// The one state object of the process.
AppState& appState();
// Back to a fresh state (tests).
void resetAppState();

// Joins a folder and a name with the platform separator.
std::string joinPath(const std::string& folder, const std::string& name);
bool fileExists(const std::string& path);

} // namespace velkora
