// LibreOffice as the peer of "velkora-cli dbf": both read the same dBase
// file with memo, and the CSV texts they print must agree field by field.

#include "CsvRows.h"
#include "RunProgram.h"
#include "TempDir.h"
#include "Workspace.h"
#include "shared/Text.h"

#include <gtest/gtest.h>

using namespace velkora::test;

namespace {

TEST(DbfPeer, LibreOfficeReadsTheSameTextsAsTheCsvShows) {
    const std::string soffice = findProgram("soffice");
    if (soffice.empty())
        GTEST_SKIP() << "LibreOffice is not installed";
    TempDir workspace;
    copyDemoWorkspace(workspace.str());
    ASSERT_TRUE(runSetupStep(workspace.str(), {"mailing", "MAIL/liste.dbf"}));

    const ProgramResult ours = runProgram(VELKORA_CLI_PROGRAM, {"dbf", "MAIL/liste.dbf"}, workspace.str());
    ASSERT_EQ(ours.status, 0) << ours.err;
    TempDir profile;
    const ProgramResult peer = runProgram(
        soffice,
        {"-env:UserInstallation=file://" + profile.str(), "--headless", "--infilter=dBase", "--convert-to",
         "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", "peer", "MAIL/liste.dbf"},
        workspace.str());
    ASSERT_EQ(peer.status, 0) << peer.err;

    const auto ourRows = parseCsv(velkora::replaceAll(ours.out, "\r\n", "\n"));
    const auto peerRows =
        parseCsv(velkora::replaceAll(readFile(workspace.file("peer/liste.csv")), "\r\n", "\n"));
    ASSERT_EQ(ourRows.size(), peerRows.size());
    // LibreOffice writes "NAME1,C,30" as a column head and shows dates and
    // logicals in its own formats, so names and the text and number columns are compared.
    const std::vector<std::size_t> compared = {0, 1, 2, 5};
    for (std::size_t column : compared)
        EXPECT_EQ(ourRows[0][column], peerRows[0][column].substr(0, peerRows[0][column].find(',')));
    for (std::size_t row = 1; row < ourRows.size(); ++row)
        for (std::size_t column : compared)
            EXPECT_EQ(velkora::replaceAll(ourRows[row][column], "\r\n", "\n"), peerRows[row][column])
                << "row " << row << " column " << column;
}

} // namespace
