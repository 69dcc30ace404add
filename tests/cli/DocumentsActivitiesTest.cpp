// "velkora-cli documents --activities" with stand-ins of LibreOffice and the
// print spooler: each letter of the list is recorded in its address's
// history as the mail merge records it, and only with the option.

#include "RunProgram.h"
#include "StandIns.h"
#include "TempDir.h"
#include "Workspace.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace velkora::test;

namespace {

class DocumentsActivities : public testing::Test {
protected:
    void SetUp() override {
        copyDemoWorkspace(workspace.str());
        for (const char* adrnr : {"1", "2", "1"})
            ASSERT_TRUE(runSetupStep(workspace.str(),
                                     {"mailing-row", "MAIL/KUNDEN.DBF", std::string("ADRNR=") + adrnr}));
    }

    ProgramResult cli(const std::vector<std::string>& args) {
        return runProgram(VELKORA_CLI_PROGRAM, args, workspace.str());
    }

    // The activities after the demo's own, "ADRNR TKPNR AKTART AKTPRI STATUS TITLE DOCNAME AKTDEV" a line.
    std::vector<std::string> newActivities() {
        const ProgramResult listed = cli({"list", "AKT", "--key", "QXADRAK6", "--fields",
                                          "AKTID,ADRNR,TKPNR,AKTART,AKTPRI,STATUS,TITLE,DOCNAME,AKTDEV"});
        std::vector<std::string> lines;
        std::istringstream stream(listed.out);
        for (std::string line; std::getline(stream, line);)
            if (line.starts_with("5") && std::stoi(line) >= kFirstNewActivity)
                lines.push_back(line.substr(line.find('\t') + 1));
        return lines;
    }

    static constexpr int kFirstNewActivity = 54; // the demo holds 53
    TempDir workspace;
    StandInPrograms programs{std::initializer_list<std::string>{"soffice", "lp"}};
};

TEST_F(DocumentsActivities, EachLetterIsRecordedWithStatusOneNoContactAndItsOwnDocument) {
    const ProgramResult made = cli({"documents", "KUNDEN", "--template", "Brief.RTF", "--title", "Rundbrief",
                                    "--print", "Buero", "--activities"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string docs = workspace.file("DOCS/");
    EXPECT_EQ(newActivities(),
              (std::vector<std::string>{"1\t0\t1\t254\t1\tRundbrief\t" + docs + "0000100001.DOC\tBuero",
                                        "2\t0\t1\t254\t1\tRundbrief\t" + docs + "0000200001.DOC\tBuero",
                                        "1\t0\t1\t254\t1\tRundbrief\t" + docs + "0000100002.DOC\tBuero"}));
}

TEST_F(DocumentsActivities, WithoutTheOptionNothingIsRecorded) {
    const ProgramResult made =
        cli({"documents", "KUNDEN", "--template", "Brief.RTF", "--title", "Rundbrief", "--print", "Buero"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(newActivities().empty());
}

} // namespace
