#include "app/Startup.h"

#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"
#include "shared/Pictures.h"
#include "shared/ProfileFile.h"
#include "shared/Prompter.h"
#include "shared/Text.h"

#include <string_view>

namespace velkora::app {
namespace {

constexpr std::string_view kSetup = "SETUP";
constexpr std::string_view kDefault = "DEFAULT";

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return out;
}

// A start or work file that is missing ends the run: nothing can be found without it.
void missingInitFile(const std::string& name) {
    beep(3);
    ask("Initialisation File:|" + name + "|NOT FOUND!", "ORB", Icon::Stop);
    endApplication("Initialisation File NOT FOUND!");
}

void notFound(std::string_view what, const std::string& name, Icon icon = Icon::Exclamation) {
    ask(std::string(what) + ":|" + name + "|NOT FOUND - CHECK SETTINGS!", "Velkora", icon);
}

// The runtime part of the environment file: the language's short date format
// and the separators of its numbers.
void loadEnvironment(const std::string& envFile) {
    setShortDateFormat(profile::read(envFile, "ID", "ShortDate"));
    const auto separator = [&](const char* key) {
        const std::string value = profile::read(envFile, "ID", key);
        return value.empty() ? '\0' : value[0];
    };
    setNumberSeparators(separator("DecimalSep"), separator("ThousandSep"));
}

// An empty path key means the default folder: an empty path would put the
// files into whatever folder the program happened to start in.
std::string readPath(const std::string& file, std::string_view key, const std::string& fallback) {
    const std::string value = profile::read(file, kSetup, key);
    return value.empty() ? fallback : value;
}

bool readFlag(const std::string& file, std::string_view section, std::string_view key, long fallback) {
    return profile::readInt(file, section, key, fallback) != 0;
}

} // namespace

StartupResult runStartup(const std::string& startFolder) {
    AppState& state = appState();
    StartupResult result;
    state.SHOWERRORS = 1;

    state.STARTINI = joinPath(startFolder, "ORB.INI");
    const std::string& ini = state.STARTINI;
    if (!fileExists(ini)) {
        missingInitFile(ini);
        result.ended = true;
        return result;
    }

    if (profile::read(ini, kSetup, "InitPath").empty())
        profile::write(ini, kSetup, "InitPath", startFolder);
    const std::string initPath = profile::read(ini, kSetup, "InitPath", startFolder);
    state.INITPATH = initPath;
    state.WORKPATH = initPath;

    state.LANGID = clip(cutChars(asciiUpper(profile::read(ini, kSetup, "LangID")), 8));

    state.ENVFILE = "ORB" + state.LANGID + ".ENV";
    const std::string envPath = joinPath(initPath, state.ENVFILE);
    if (fileExists(envPath))
        loadEnvironment(envPath);
    else
        notFound("Environment File", envPath);

    const std::string helpFile = "ORB" + state.LANGID + ".HLP";
    const std::string helpPath = joinPath(initPath, helpFile);
    if (fileExists(helpPath))
        state.HELPFILE = helpFile;
    else
        notFound("Help File", helpPath);

    state.TRLFILE = joinPath(initPath, "ORB" + state.LANGID);
    if (!fileExists(state.TRLFILE + ".TPS")) {
        notFound("Translation File", state.TRLFILE + ".TPS");
        if (!state.LANGID.empty()) {
            state.TRLFILE = joinPath(initPath, "ORB");
            if (!fileExists(state.TRLFILE + ".TPS"))
                notFound("Translation File", state.TRLFILE + ".TPS", Icon::Stop);
        }
    }

    if (profile::read(ini, kSetup, "WorkPath").empty())
        profile::write(ini, kSetup, "WorkPath", initPath);

    state.DATAPATH = readPath(ini, "DataPath", joinPath(initPath, "DATA"));
    state.TMPLPATH = readPath(ini, "TmplPath", joinPath(initPath, "TMPL"));
    state.DOCSPATH = readPath(ini, "DocsPath", joinPath(initPath, "DOCS"));
    state.MAILPATH = readPath(ini, "MailPath", joinPath(initPath, "MAIL"));

    StartSwitches& switches = result.switches;
    switches.toolBarNav = static_cast<int>(profile::readInt(ini, kDefault, "ToolBarNav", 1));
    switches.openAdrList = readFlag(ini, kDefault, "OpenAdrList", 0);
    switches.openAktList = readFlag(ini, kDefault, "OpenAKtList", 0);
    switches.openTkpList = readFlag(ini, kDefault, "OpenTKPList", 0);
    switches.openRmdList = readFlag(ini, kDefault, "OpenRmdList", 0);
    state.WRITETRL = readFlag(ini, kSetup, "WriteTRL", 0) ? 1 : 0;

    state.WORKPATH = profile::read(ini, kSetup, "WorkPath", initPath);
    state.WORKINI = joinPath(state.WORKPATH, "ORB.INI");
    if (!fileExists(state.WORKINI)) {
        missingInitFile(state.WORKINI);
        result.ended = true;
        return result;
    }

    state.SHOWERRORS = readFlag(ini, kSetup, "ShowErrors", 0) ? 1 : 0;
    state.SHOWALARM = readFlag(ini, kDefault, "ShowAlarm", 1) ? 1 : 0;
    return result;
}

} // namespace velkora::app
