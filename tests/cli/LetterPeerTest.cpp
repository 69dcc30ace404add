// "velkora-cli letter" with the real LibreOffice: the letter is made from the
// demo template, saved as .DOC in the program's own LibreOffice profile and
// read back by LibreOffice; printing goes to a stand-in print spooler, and a
// LibreOffice of the user's own may run meanwhile.

#include "RunProgram.h"
#include "StandIns.h"
#include "TempDir.h"
#include "Workspace.h"
#include "shared/Clock.h"
#include "shared/Text.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

using namespace velkora::test;

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for as long as it lives.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class LetterPeer : public testing::Test {
protected:
    void SetUp() override {
        soffice = findProgram("soffice");
        if (soffice.empty())
            GTEST_SKIP() << "LibreOffice is not installed";
        copyDemoWorkspace(workspace.str());
    }

    ProgramResult cli(const std::vector<std::string>& args) {
        return runProgram(VELKORA_CLI_PROGRAM, args, workspace.str());
    }

    // The text lines LibreOffice reads from `document`, trimmed.
    std::vector<std::string> textOf(const std::string& document) {
        const ProgramResult read =
            runProgram(soffice,
                       {"-env:UserInstallation=file://" + readerProfile.str(), "--headless", "--convert-to",
                        "txt:Text", "--outdir", "peer", document},
                       workspace.str());
        EXPECT_EQ(read.status, 0) << read.err;
        std::string text = readFile(workspace.file("peer/" + fs::path(document).stem().string() + ".txt"));
        if (text.starts_with("\xEF\xBB\xBF"))
            text.erase(0, 3);
        std::vector<std::string> lines;
        std::istringstream stream(text);
        for (std::string line; std::getline(stream, line);)
            if (!velkora::trim(line).empty())
                lines.push_back(velkora::trim(line));
        return lines;
    }

    // The last activity as "ADRNR TKPNR AKTART AKTPRI TITLE DOCNAME AKTDEV", tab-separated.
    std::string lastActivity() {
        const ProgramResult listed = cli({"list", "AKT", "--key", "QXADRAK6", "--fields",
                                          "ADRNR,TKPNR,AKTART,AKTPRI,TITLE,DOCNAME,AKTDEV"});
        std::vector<std::string> lines;
        std::istringstream stream(listed.out);
        for (std::string line; std::getline(stream, line);)
            lines.push_back(line);
        return lines.empty() ? std::string() : lines.back();
    }

    std::string contactDates(int adrnr) {
        const ProgramResult listed =
            cli({"list", "ADR", "--from", std::to_string(adrnr), "--count", "1", "--fields", "EKONT,LKONT"});
        return listed.out.substr(listed.out.find('\n') + 1);
    }

    std::string soffice;
    TempDir workspace;
    TempDir readerProfile;
    TempDir home;
    // The program's own profile lies in the cache folder: a test's, not the machine's.
    ScopedEnv cache{"XDG_CACHE_HOME", home.file("cache")};
    ScopedEnv userHome{"HOME", home.str()};
};

TEST_F(LetterPeer, TheSavedLetterShowsAddressContactSalutationAndTitleInFullAndPrintsTheAddressCopies) {
    ASSERT_EQ(
        runSetupStep(workspace.str(), {"sqlite", "ADR", "UPDATE QXADRESS SET ANZDRUCK = 3 WHERE ADRNR = 2"}),
        true);
    StandInPrograms programs({"lp"});
    const ProgramResult made =
        cli({"letter", "2", "--template", "Brief.RTF", "--contact", "3", "--title",
             "Ihre Anfrage über Größen & Maße", "--print", "Büro", "--copies", "auto"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string document = workspace.file("DOCS/0000200001.DOC");
    EXPECT_EQ(made.out, document + "\n");
    EXPECT_EQ(programs.log("lp"), "lp -d Büro -n 3 0000200001.pdf\n");

    const std::vector<std::string> lines = textOf(document);
    const std::vector<std::string> expected = {"Firma",
                                               "Hansen & Lück Logistik KG",
                                               "Niederlassung Hamburg",
                                               "Herr Jürgen Schulz",
                                               "Am Sandtorkai 12",
                                               "D-20457 Hamburg",
                                               "Ihre Anfrage über Größen & Maße",
                                               "Sehr geehrter Herr Schulz"};
    auto from = lines.begin();
    for (const std::string& line : expected) {
        from = std::find(from, lines.end(), line);
        ASSERT_NE(from, lines.end()) << "no line [" << line << "] in order in the letter";
    }

    EXPECT_EQ(lastActivity(), "2\t3\t1\t254\tIhre Anfrage über Größen & Maße\t" + document + "\tBüro");
    const std::string today = std::to_string(velkora::today());
    EXPECT_EQ(contactDates(2), "81890\t" + today + "\n"); // the first contact stays
}

TEST_F(LetterPeer, WithoutLibreOfficeTheRtfIsHandedToTheDesktopAndRecorded) {
    StandInPrograms programs({"xdg-open"}, true);
    const ProgramResult made = cli({"letter", "1", "--template", "Brief.RTF", "--title", "Angebot"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string rtf = workspace.file("DOCS/0000100001.RTF");
    EXPECT_EQ(made.out, rtf + "\n");
    EXPECT_EQ(lastActivity(), "1\t0\t1\t254\tAngebot\t" + rtf + "\t");
    EXPECT_EQ(programs.waitForLog("xdg-open", 1), "xdg-open 0000100001.RTF\n");
}

TEST_F(LetterPeer, ConvertsWhileTheUsersOwnLibreOfficeRuns) {
    // The user's LibreOffice: its profile is the one in the (test's) home folder.
    velkora::ExternalProgram user;
    velkora::ProgramOptions options;
    options.ownProcessGroup = true;
    ASSERT_TRUE(user.start(soffice, {"--headless", "--norestore"}, options)) << user.error();
    // It holds the lock of its profile while it runs.
    const fs::path lock = home.path() / ".config/libreoffice/4/.lock";
    for (int tries = 0; tries < 6000 && !fs::exists(lock); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(fs::exists(lock));
    ASSERT_FALSE(user.poll()) << "the user's LibreOffice ended";

    StandInPrograms programs({"lp"});
    const ProgramResult made =
        cli({"letter", "1", "--template", "Brief.RTF", "--title", "Während Writer läuft", "--print", "Büro"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::vector<std::string> lines = textOf(workspace.file("DOCS/0000100001.DOC"));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Während Writer läuft"), lines.end());
    EXPECT_FALSE(user.poll()) << "the user's LibreOffice was disturbed";
    EXPECT_TRUE(fs::exists(home.path() / "cache/velkora/libreoffice/user"));
    user.stop();
}

} // namespace

// The mail-merge template repeats its group per row of the mailing file; each
// letter of a list must still hold its own row only.
TEST_F(LetterPeer, EveryLetterOfAMailingListShowsItsOwnAddressAndNoneOfTheOthers) {
    const std::vector<std::string> names = {"Alpha Apparatebau", "Beta Bürobedarf", "Gamma Gießerei"};
    for (std::size_t i = 0; i < names.size(); ++i)
        ASSERT_TRUE(
            runSetupStep(workspace.str(), {"mailing-row", "MAIL/DREI.DBF", "ADRNR=" + std::to_string(i + 1),
                                           "NAME1=" + names[i], "ORT=Ort " + std::to_string(i + 1)}));
    const ProgramResult made =
        cli({"documents", "DREI", "--template", "Serienbrief.RTF", "--title", "Rundbrief"});
    ASSERT_EQ(made.status, 0) << made.err;

    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string document = workspace.file("DOCS/0000" + std::to_string(i + 1) + "00001.DOC");
        const std::vector<std::string> lines = textOf(document);
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        for (std::size_t other = 0; other < names.size(); ++other)
            EXPECT_EQ(text.find(names[other]) != std::string::npos, other == i) << document << ":\n" << text;
        EXPECT_NE(text.find("Ort " + std::to_string(i + 1)), std::string::npos) << text;
    }
}
