#include "app/Startup.h"

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"
#include "shared/ProfileFile.h"

#include <gtest/gtest.h>

using namespace velkora;
using velkora::test::ScriptedPrompter;
using velkora::test::TempDir;

namespace {

class Startup : public testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        resetApplicationEnded();
        setApplicationEndHandler([](std::string_view) {});
    }
    void TearDown() override { setApplicationEndHandler({}); }

    // A start folder with every language file present.
    void writeLanguageFiles(const std::string& lang = "") {
        dir.write("ORB" + lang + ".ENV", "[ID]\nLanguageID=Deutsch\n");
        dir.write("ORB" + lang + ".HLP", "<html></html>");
        dir.write("ORB" + lang + ".TPS", "");
    }

    TempDir dir;
    ScriptedPrompter prompter;
};

} // namespace

TEST_F(Startup, AMissingStartFileEndsTheApplicationAfterThreeBeeps) {
    const auto result = app::runStartup(dir.str());
    EXPECT_TRUE(result.ended);
    EXPECT_TRUE(applicationEnded());
    EXPECT_EQ(prompter.beeps(), 3);
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(prompter.last().text, "Initialisation File:|" + dir.file("ORB.INI") + "|NOT FOUND!");
    EXPECT_EQ(prompter.last().caption, "ORB");
    EXPECT_EQ(prompter.last().icon, Icon::Stop);
}

TEST_F(Startup, AStartFileWithoutSetupGetsTheStartFolderAsInitAndWorkPath) {
    writeLanguageFiles();
    const auto ini = dir.write("ORB.INI", "[DEFAULT]\nShowAlarm=0\n");
    const auto result = app::runStartup(dir.str());
    EXPECT_FALSE(result.ended);
    EXPECT_TRUE(prompter.prompts().empty());
    EXPECT_EQ(profile::read(ini, "SETUP", "InitPath"), dir.str());
    EXPECT_EQ(profile::read(ini, "SETUP", "WorkPath"), dir.str());
    const AppState& state = appState();
    EXPECT_EQ(state.DATAPATH, dir.file("DATA"));
    EXPECT_EQ(state.TMPLPATH, dir.file("TMPL"));
    EXPECT_EQ(state.MAILPATH, dir.file("MAIL"));
    EXPECT_EQ(state.WORKINI, ini);
    EXPECT_EQ(state.ENVFILE, "ORB.ENV");
    EXPECT_EQ(state.HELPFILE, "ORB.HLP");
    EXPECT_EQ(state.TRLFILE, dir.file("ORB"));
    EXPECT_EQ(state.SHOWALARM, 0);
    EXPECT_EQ(state.SHOWERRORS, 0);
}

TEST_F(Startup, AMissingLanguageTranslationFallsBackToOrbTps) {
    writeLanguageFiles();
    dir.write("ORBEN.ENV", "[ID]\n");
    dir.write("ORBEN.HLP", "");
    dir.write("ORB.INI", "[SETUP]\nLangID=en\n");
    app::runStartup(dir.str());
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(prompter.last().text,
              "Translation File:|" + dir.file("ORBEN") + ".TPS|NOT FOUND - CHECK SETTINGS!");
    EXPECT_EQ(prompter.last().caption, "Velkora");
    EXPECT_EQ(prompter.last().icon, Icon::Exclamation);
    EXPECT_EQ(appState().LANGID, "EN");
    EXPECT_EQ(appState().ENVFILE, "ORBEN.ENV");
    EXPECT_EQ(appState().TRLFILE, dir.file("ORB"));
    EXPECT_FALSE(applicationEnded());
}

TEST_F(Startup, MissingLanguageFilesAreReportedAndStartupContinues) {
    dir.write("ORB.INI", "[SETUP]\nLangID=FR\nShowErrors=1\n");
    const auto result = app::runStartup(dir.str());
    EXPECT_FALSE(result.ended);
    const std::vector<std::string> expected = {
        "Environment File:|" + dir.file("ORBFR.ENV") + "|NOT FOUND - CHECK SETTINGS!",
        "Help File:|" + dir.file("ORBFR.HLP") + "|NOT FOUND - CHECK SETTINGS!",
        "Translation File:|" + dir.file("ORBFR") + ".TPS|NOT FOUND - CHECK SETTINGS!",
        "Translation File:|" + dir.file("ORB") + ".TPS|NOT FOUND - CHECK SETTINGS!",
    };
    EXPECT_EQ(prompter.texts(), expected);
    EXPECT_EQ(prompter.prompts().back().icon, Icon::Stop);
    EXPECT_EQ(appState().HELPFILE, "orb");
    EXPECT_EQ(appState().SHOWERRORS, 1);
}

TEST_F(Startup, AWorkPathWithoutWorkFileEndsTheApplication) {
    writeLanguageFiles();
    const std::string work = dir.file("work");
    dir.write("work/readme.txt", "");
    dir.write("ORB.INI", "[SETUP]\nWorkPath=" + work + "\n");
    const auto result = app::runStartup(dir.str());
    EXPECT_TRUE(result.ended);
    EXPECT_EQ(prompter.beeps(), 3);
    EXPECT_EQ(prompter.last().text, "Initialisation File:|" + work + "/ORB.INI|NOT FOUND!");
    EXPECT_EQ(prompter.last().caption, "ORB");
}

TEST_F(Startup, AnEmptyPathKeyMeansTheDefaultFolder) {
    writeLanguageFiles();
    dir.write("ORB.INI", "[SETUP]\nDataPath=\nTmplPath=  \nMailPath=/srv/mail\n");
    app::runStartup(dir.str());
    EXPECT_EQ(appState().DATAPATH, dir.file("DATA"));
    EXPECT_EQ(appState().TMPLPATH, dir.file("TMPL"));
    EXPECT_EQ(appState().MAILPATH, "/srv/mail");
}

TEST_F(Startup, SwitchesAndPathsAreReadFromTheStartFile) {
    writeLanguageFiles();
    dir.write("ORB.INI", "[SETUP]\nDataPath=/srv/data\nWriteTRL=1\n[DEFAULT]\nToolBarNav=0\nOpenAdrList=1\n"
                         "OpenRmdList=1\nOpenAKtList=1\n");
    const auto result = app::runStartup(dir.str());
    EXPECT_EQ(result.switches.toolBarNav, 0);
    EXPECT_TRUE(result.switches.openAdrList);
    EXPECT_TRUE(result.switches.openRmdList);
    EXPECT_TRUE(result.switches.openAktList);
    EXPECT_FALSE(result.switches.openTkpList);
    EXPECT_EQ(appState().DATAPATH, "/srv/data");
    EXPECT_EQ(appState().WRITETRL, 1);
    EXPECT_EQ(appState().SHOWALARM, 1);
}
