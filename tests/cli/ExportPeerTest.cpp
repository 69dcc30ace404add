// LibreOffice Calc as the reader of a mailing list and of its ASCII export:
// a row whose name holds ";" and double quotes keeps every column in place.

#include "CsvRows.h"
#include "RunProgram.h"
#include "TempDir.h"
#include "Workspace.h"
#include "shared/Text.h"

#include <gtest/gtest.h>

using namespace velkora::test;

namespace {

const std::string kTrickyName = "Bäckerei; \"Zum Korn\"";

// Converts `file` in the workspace to UTF-8 CSV in peer/ with Calc, read
// through `filter`; returns its rows.
std::vector<std::vector<std::string>> readWithCalc(const std::string& soffice, const TempDir& workspace,
                                                   const std::string& filter, const std::string& file) {
    TempDir profile;
    const ProgramResult peer =
        runProgram(soffice,
                   {"-env:UserInstallation=file://" + profile.str(), "--headless", "--infilter=" + filter,
                    "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", "peer", file},
                   workspace.str());
    EXPECT_EQ(peer.status, 0) << peer.err;
    const std::string stem = file.substr(file.rfind('/') + 1, file.rfind('.') - file.rfind('/') - 1);
    return parseCsv(velkora::replaceAll(readFile(workspace.file("peer/" + stem + ".csv")), "\r\n", "\n"));
}

TEST(ExportPeer, CalcReadsTheMailingListAndEveryColumnOfItsAsciiExport) {
    const std::string soffice = findProgram("soffice");
    if (soffice.empty())
        GTEST_SKIP() << "LibreOffice is not installed";
    TempDir workspace;
    copyDemoWorkspace(workspace.str());
    for (const std::vector<std::string>& row :
         {std::vector<std::string>{"mailing-row", "MAIL/KUNDEN.DBF", "STATUS=1", "ADRNR=7",
                                   "NAME1=Müller GmbH", "ORT=München", "EMAIL=m@example.org",
                                   "DOCTITLE=Brief"},
          std::vector<std::string>{"mailing-row", "MAIL/KUNDEN.DBF", "STATUS=2", "ADRNR=8",
                                   "NAME1=" + kTrickyName, "ORT=Köln", "EMAIL=k@example.org",
                                   "DOCTITLE=Brief"}})
        ASSERT_TRUE(runSetupStep(workspace.str(), row));

    // The mailing list itself: Calc heads the columns "NAME1,C,64" and so on.
    const auto list = readWithCalc(soffice, workspace, "dBase", "MAIL/KUNDEN.DBF");
    ASSERT_EQ(list.size(), 3u);
    ASSERT_EQ(list[0].size(), 44u);
    EXPECT_EQ(list[0][8], "NAME1,C,64");
    EXPECT_EQ(list[2][8], kTrickyName);
    EXPECT_EQ(list[2][18], "Köln");

    const ProgramResult ours =
        runProgram(VELKORA_CLI_PROGRAM, {"export-ascii", "KUNDEN", "export.txt"}, workspace.str());
    ASSERT_EQ(ours.status, 0) << ours.err;
    const auto exported =
        readWithCalc(soffice, workspace, "Text - txt - csv (StarCalc):59,34,1", "export.txt");
    ASSERT_EQ(exported.size(), 2u);
    // M:STATUS ... M:DOCTITLE and the memo block number, each in its column.
    for (const auto& row : exported)
        EXPECT_EQ(row.size(), 41u);
    EXPECT_EQ(exported[1][0], "2");
    EXPECT_EQ(exported[1][3], "8");
    EXPECT_EQ(exported[1][5], kTrickyName);
    EXPECT_EQ(exported[1][15], "Köln");
    EXPECT_EQ(exported[1][37], "k@example.org");
    EXPECT_EQ(exported[1][39], "Brief");
    EXPECT_EQ(exported[1][40], "0");
    EXPECT_EQ(exported[0][5], "Müller GmbH");
}

} // namespace
