// velkora-cli report writes PDF files a reader finds the lists in: read
// back with pdftotext.

#include "PdfText.h"
#include "RunProgram.h"
#include "TempDir.h"
#include "Workspace.h"

#include <gtest/gtest.h>

using namespace velkora::test;
using velkora::reports::test::firstOutOfOrder;
using velkora::reports::test::pdfText;

namespace {

TEST(ReportPdfCli, TheAddressListOfAMailingListIsInThePdfInFileOrder) {
    TempDir workspace;
    copyDemoWorkspace(workspace.str());
    ASSERT_TRUE(runSetupStep(workspace.str(), {"mailing-file", "MAIL/KUNDEN"}));
    const ProgramResult result = runProgram(
        VELKORA_CLI_PROGRAM, {"report", "addresses", "KUNDEN", "--title", "Kunden 2026", "--pdf", "k.pdf"},
        workspace.str());
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string text = pdfText(workspace.file("k.pdf"));
    EXPECT_EQ(firstOutOfOrder(text, {"Kunden 2026", "Müller GmbH", "München", "Meier & Söhne {Bäckerei}",
                                     "Köln", "Seite 1 von 1"}),
              "")
        << text;
}

TEST(ReportPdfCli, AFirstDateAloneListsTheActivitiesFromThatDayOnWithTheirMemos) {
    TempDir workspace;
    copyDemoWorkspace(workspace.str());
    std::string memo;
    for (int n = 1; n <= 40; ++n)
        memo += "Absatz" + std::to_string(n) + " ";
    for (const auto& step : std::vector<std::vector<std::string>>{
             {"empty", "AKT"},
             {"add", "AKT", "AKTID=1", "ADRNR=1", "AKTART=3", "AKTPRI=1", "DATUM=82544",
              "TITLE=Nach dem Stichtag", "MEMO=" + memo},
             {"add", "AKT", "AKTID=2", "ADRNR=1", "AKTART=3", "AKTPRI=1", "DATUM=82500", "TITLE=Davor"}})
        ASSERT_TRUE(runSetupStep(workspace.str(), step));
    const ProgramResult result = runProgram(
        VELKORA_CLI_PROGRAM,
        {"report", "activities", "--from", "20.12.2026", "--memo", "--title", "Ab 20.12.", "--pdf", "a.pdf"},
        workspace.str());
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string text = pdfText(workspace.file("a.pdf"));
    EXPECT_EQ(firstOutOfOrder(text, {"Ab 20.12.", "Berger Softwareentwicklung GmbH", "27.12.2026",
                                     "Nach dem Stichtag", "Telefonat", "Hoch", "Absatz1", "Absatz40"}),
              "")
        << text;
    EXPECT_EQ(text.find("Davor"), std::string::npos) << text;
}

} // namespace
