// The ASCII export of a mailing list: plain rows exactly as ever, values a
// reader would split or break put in quotes, rows in file order in ANSI.

#include "documents/AsciiExport.h"

#include "MailingFixture.h"

#include <gtest/gtest.h>

namespace velkora::documents::test {
namespace {

using velkora::test::readFile;

// What follows the last of `fieldsSet` values set: the empty text values up
// to M:DOCTITLE, each with its ";", then the memo block number.
std::string emptyLineAfter(std::size_t fieldsSet) {
    return std::string(41 - fieldsSet, ';');
}

TEST(AsciiExportLine, PlainValuesStayAsTheyWereAndTheOthersAreQuoted) {
    MailingRecord row;
    row.AUSER = "ABC"; // before M:STATUS: not exported
    row.STATUS = "1";
    row.KLASSE = "2";
    row.ADRART = "Kunde   ";
    row.ADRNR = "17";
    row.NAME0 = "Firma";
    row.NAME1 = "Meier, Müller & Co. 'Bau'";
    row.MEMO_PTR = 12;
    EXPECT_EQ(asciiExportLine(row),
              "1;2;Kunde;17;Firma;Meier, Müller & Co. 'Bau'" + emptyLineAfter(6) + "12");

    row.NAME1 = "Bäckerei; \"Zum Korn\"";
    row.NAME2 = "erste\r\nzweite Zeile  ";
    row.MEMO_PTR = 0;
    EXPECT_EQ(asciiExportLine(row),
              "1;2;Kunde;17;Firma;\"Bäckerei; \"\"Zum Korn\"\"\";\"erste\r\nzweite Zeile\"" +
                  emptyLineAfter(7) + "0");
    EXPECT_EQ(asciiExportValue("\""), "\"\"\"\"");
    EXPECT_EQ(asciiExportValue("a\nb"), "\"a\nb\"");
    EXPECT_EQ(asciiExportValue("   "), "");
}

class AsciiExportTest : public MailingFixture {};

TEST_F(AsciiExportTest, WritesEveryRowInFileOrderInBatchesWithoutHeader) {
    writeThreeRows();
    const std::string target = dir.file("export.csv");
    dir.write("export.csv", "an older export that must go\r\n");

    AsciiExport run;
    ASSERT_FALSE(run.open(mailingFile().name(), target));
    EXPECT_EQ(run.total(), 3u);
    ASSERT_FALSE(run.step(2));
    EXPECT_EQ(run.passed(), 2u);
    EXPECT_FALSE(run.done());
    ASSERT_FALSE(run.step(2));
    EXPECT_TRUE(run.done());
    EXPECT_EQ(run.written(), 3u);

    const std::string text = readFile(target);
    const std::string first = text.substr(0, text.find("\r\n"));
    // From M:STATUS (empty) on, in ANSI; the first row's memo is in block 1.
    EXPECT_EQ(first.substr(0, 28), ";;;7;;M\xFCller & S\xF6hne {GmbH};");
    EXPECT_EQ(first.substr(first.size() - 2), ";1");
    EXPECT_NE(text.find("\r\n;;;8;;Schmidt;"), std::string::npos);
    EXPECT_NE(text.find("\r\n;;;9;;Wei\xDF;"), std::string::npos);
    EXPECT_LT(text.find("Schmidt"), text.find("Wei"));
    EXPECT_EQ(text.find("older"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
}

TEST_F(AsciiExportTest, AListThatCannotBeReadGivesItsError) {
    std::uint32_t written = 7;
    EXPECT_EQ(exportAscii(dir.file("NIX"), dir.file("out.txt"), &written).code, files::kFileNotFound);
    EXPECT_EQ(written, 0u);
    ASSERT_FALSE(files::DbfTable::create(dir.file("FREMD"), {{"NAME1", files::DbfType::Character, 10}}));
    EXPECT_EQ(exportAscii(dir.file("FREMD"), dir.file("out.txt")).code, kInvalidRecordDeclaration);
}

} // namespace
} // namespace velkora::documents::test
