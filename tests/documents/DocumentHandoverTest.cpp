// The word-processor layer against stand-ins of LibreOffice, the print
// spooler and the desktop's opener, which record how they were called.

#include "documents/DocumentHandover.h"

#include "ScriptedPrompter.h"
#include "StandIns.h"
#include "TempDir.h"

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace velkora::documents {
namespace {

using velkora::test::ScriptedPrompter;
using velkora::test::StandInPrograms;
using velkora::test::TempDir;

class Handover : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_CACHE_HOME", cache.str().c_str(), 1);
        for (const char* name : {"00001", "00002"}) {
            files.push_back(documentFiles(docs.str(), "00017", name));
            docs.write(std::string("00017") + name + ".RTF", "{\\rtf1 Brief}");
        }
    }
    void TearDown() override {
        ::unsetenv("XDG_CACHE_HOME");
        officeTimeout() = std::chrono::minutes(3);
    }

    std::vector<HandoverDocument> both(int copies = 1) const {
        return {{files[0], copies}, {files[1], copies}};
    }

    TempDir docs;
    TempDir cache;
    std::vector<DocumentFiles> files;
    ScriptedPrompter prompter;
};

TEST_F(Handover, ConvertsEveryDocumentInOneCallWithTheProgramsOwnProfileAndOpensThem) {
    StandInPrograms programs({"soffice"});
    DocumentHandover handover({both(), false, "", true});
    handover.start();
    handover.wait();
    EXPECT_EQ(handover.documentNames(), (std::vector<std::string>{files[0].doc, files[1].doc}));
    EXPECT_EQ(handover.printed(), (std::vector<bool>{false, false}));
    EXPECT_TRUE(prompter.prompts().empty());
    // One conversion call, then each document opened in the user's own LibreOffice (no profile given).
    const std::string log = programs.waitForLog("soffice", 3);
    EXPECT_TRUE(log.starts_with("soffice -env:UserInstallation=(velkora/libreoffice) --headless --norestore "
                                "--convert-to DOC:MS Word 97 --outdir " +
                                docs.path().filename().string() + " 0001700001.RTF 0001700002.RTF\n"))
        << log;
    EXPECT_NE(log.find("soffice --norestore 0001700001.DOC\n"), std::string::npos) << log;
    EXPECT_NE(log.find("soffice --norestore 0001700002.DOC\n"), std::string::npos) << log;
}

TEST_F(Handover, PrintsThroughAPdfOnTheChosenPrinterWithTheCopiesAndDoesNotOpen) {
    StandInPrograms programs({"soffice", "lp"});
    DocumentHandover handover({both(3), true, "Buero 2", true});
    handover.start();
    while (!handover.poll()) // as a window's timer does
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(handover.printed(), (std::vector<bool>{true, true}));
    EXPECT_EQ(programs.log("lp"), "lp -d Buero 2 -n 3 0001700001.pdf\nlp -d Buero 2 -n 3 0001700002.pdf\n");
    const std::string log = programs.log("soffice");
    EXPECT_NE(
        log.find(
            "--convert-to pdf:writer_pdf_Export --outdir (velkora-print) 0001700001.DOC 0001700002.DOC\n"),
        std::string::npos)
        << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << log;
}

TEST_F(Handover, WithoutLibreOfficeHandsTheRtfFilesToTheDesktopAsTheDocuments) {
    StandInPrograms programs({"xdg-open"}, true);
    DocumentHandover handover({both(), true, "Buero", true});
    handover.start();
    EXPECT_TRUE(handover.poll());
    EXPECT_EQ(handover.documentNames(), (std::vector<std::string>{files[0].rtf, files[1].rtf}));
    const std::string log = programs.waitForLog("xdg-open", 2);
    EXPECT_NE(log.find("xdg-open 0001700001.RTF\n"), std::string::npos) << log;
    EXPECT_NE(log.find("xdg-open 0001700002.RTF\n"), std::string::npos) << log;
}

TEST_F(Handover, AConversionThatMakesNothingIsToldAndLeavesTheRtf) {
    StandInPrograms programs({});
    programs.write("soffice", "exit 0\n");
    DocumentHandover handover({{{files[0], 1}}, false, "", true});
    handover.start();
    handover.wait();
    EXPECT_EQ(handover.documentNames(), std::vector<std::string>{""});
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(prompter.last().caption, "DOC_WPERROR");
    EXPECT_TRUE(std::filesystem::exists(files[0].rtf));
}

TEST_F(Handover, GivesUpOnALibreOfficeThatDoesNotAnswerAndStopsIt) {
    StandInPrograms programs({});
    // The launcher leaves its real program running, as LibreOffice's does.
    programs.write("soffice", "/bin/sleep 600 &\necho $! > \"${0%/*}/child\"\nwait\n");
    officeTimeout() = std::chrono::milliseconds(300);
    DocumentHandover handover({{{files[0], 1}}, false, "", true});
    handover.start();
    handover.wait();
    EXPECT_EQ(handover.documentNames(), std::vector<std::string>{""});
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(prompter.last().caption, "DOC_WPTIMEOUT");
    EXPECT_TRUE(std::filesystem::exists(files[0].rtf));
    const int child = std::atoi(velkora::test::readFile(programs.folder() + "/child").c_str());
    ASSERT_GT(child, 0);
    for (int tries = 0; tries < 3000 && ::kill(child, 0) == 0; ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_NE(::kill(child, 0), 0) << "the launcher's child still runs";
}

} // namespace
} // namespace velkora::documents
