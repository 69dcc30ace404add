// The mail-merge document run against a stand-in of LibreOffice: which rows
// become letters under which names, what each letter holds, and how a window
// drives it a step at a time.

#include "documents/DocumentRun.h"

#include "MailingFixture.h"
#include "StandIns.h"
#include "shared/Text.h"

#include <filesystem>
#include <fstream>

namespace velkora::documents::test {
namespace {

namespace fs = std::filesystem;
using velkora::test::readFile;
using velkora::test::StandInPrograms;

class DocumentRunTest : public MailingFixture {
protected:
    void SetUp() override {
        MailingFixture::SetUp();
        ::setenv("XDG_CACHE_HOME", dir.file("cache").c_str(), 1);
        appState().DOCSPATH = dir.file("DOCS");
        fs::create_directories(appState().DOCSPATH);
        // The group repeats for every row of the mailing file the engine reads.
        dir.write("Serienbrief.RTF", "{\\rtf1 <%LOOP(QXAIL)%><#M:NAME1#>\\par <#M:ORT#><%ENDLOOP%>}");
        mailingFile().setName(dir.file("LISTE"));
    }
    void TearDown() override {
        ::unsetenv("XDG_CACHE_HOME");
        MailingFixture::TearDown();
    }

    DocumentRunRequest request() const {
        return {dir.file("LISTE"), dir.file("Serienbrief.RTF"), "Rundbrief"};
    }

    std::string docs(const std::string& name) const { return appState().DOCSPATH + "/" + name; }

    StandInPrograms programs{std::initializer_list<std::string>{"soffice"}};
};

TEST_F(DocumentRunTest, EachRowWithAnAddressBecomesALetterHoldingItsOwnRowNumberedPerAddress) {
    writeRows({row("Erste", "Ulm", "7"), row("Ohne Adresse", "Bonn", ""), row("Null", "Bonn", "0"),
               row("Zweite", "Köln", "7"), row("Dritte", "Kiel", "12345")});
    DocumentRun run(request());
    ASSERT_TRUE(run.start());
    run.runToEnd();
    EXPECT_EQ(run.documents(), (std::vector<std::string>{docs("0000700001.DOC"), docs("0000700002.DOC"),
                                                         docs("1234500001.DOC")}));
    // The stand-in's .DOC is a copy of the RTF file: the row alone, though the engine would read on.
    EXPECT_EQ(velkora::trim(readFile(docs("0000700001.DOC"))), "{\\rtf1 Erste\\par Ulm }");
    EXPECT_EQ(velkora::trim(readFile(docs("0000700002.DOC"))), "{\\rtf1 Zweite\\par K\\'f6ln }");
    EXPECT_EQ(
        programs.log("soffice").substr(0, programs.log("soffice").find('\n')),
        "soffice -env:UserInstallation=(velkora/libreoffice) --headless --norestore --convert-to DOC:MS "
        "Word 97 --outdir DOCS 0000700001.RTF 0000700002.RTF 1234500001.RTF");
    EXPECT_TRUE(prompter.prompts().empty());
}

TEST_F(DocumentRunTest, NumbersGoOnAfterTheAddresssDocumentsAndPastOnesTakenFurtherOn) {
    writeRows({row("A", "Ulm", "7"), row("B", "Ulm", "7")});
    for (const char* taken : {"0000700001.DOC", "0000700003.DOC"})
        std::ofstream(docs(taken)) << "alt";
    DocumentRun run(request());
    ASSERT_TRUE(run.start());
    run.runToEnd();
    EXPECT_EQ(run.documents(), (std::vector<std::string>{docs("0000700002.DOC"), docs("0000700004.DOC")}));
    EXPECT_EQ(readFile(docs("0000700003.DOC")), "alt");
}

TEST_F(DocumentRunTest, StepsNeverWaitForLibreOfficeAndStoppingLeavesTheRestUndone) {
    std::vector<MailingRecord> rows;
    for (int i = 1; i <= 12; ++i)
        rows.push_back(row("R" + std::to_string(i), "Ulm", std::to_string(i)));
    writeRows(rows);
    {
        DocumentRun run(request());
        ASSERT_TRUE(run.start());
        EXPECT_TRUE(run.step(kDocumentRowsPerStep));
        EXPECT_NEAR(run.percent(), 100.0 * kDocumentRowsPerStep / 12, 0.01);
    } // cancelled between two steps
    EXPECT_TRUE(fs::exists(docs("0000100001.RTF")));
    EXPECT_FALSE(fs::exists(docs("0001200001.RTF")));

    DocumentRun run(request());
    ASSERT_TRUE(run.start());
    while (run.step(kDocumentRowsPerStep)) {
    }
    EXPECT_EQ(run.documents().size(), 12u);
    EXPECT_EQ(run.percent(), 100.0);
}

TEST(DocumentCopies, TheGivenNumberOrEachRowsOwnAtLeastOne) {
    MailingRecord row;
    row.ANZDRUCK = "3";
    EXPECT_EQ(copiesForRow(2, row), 2);
    EXPECT_EQ(copiesForRow(kCopiesPerRow, row), 3);
    row.ANZDRUCK = "0";
    EXPECT_EQ(copiesForRow(kCopiesPerRow, row), 1);
    row.ANZDRUCK = "";
    EXPECT_EQ(copiesForRow(kCopiesPerRow, row), 1);
}

} // namespace
} // namespace velkora::documents::test
