#include "MailingFixture.h"
#include "data/expr/Evaluator.h"

#include <gtest/gtest.h>
#include <numeric>

namespace velkora::documents::test {
namespace {

using velkora::test::readFile;

TEST(MailingLayout, FortyFourFieldsInOrderWithTheirWidths) {
    const auto fields = mailingDbfFields();
    ASSERT_EQ(fields.size(), 44u);
    const char* names[] = {
        "AUSER", "ADATUM",   "AUHR",      "STATUS", "KLASSE",  "ADRART",  "ADRNR",    "NAME0",    "NAME1",
        "NAME2", "BRANR",    "ZUSATZ",    "URL",    "LD",      "LAND",    "PLZ",      "POSTFACH", "POSTFPLZ",
        "ORT",   "STRASSE",  "BEMERKUNG", "ALARM",  "BRANCHE", "MERKM",   "USTID",    "IUSR",     "EKONT",
        "LKONT", "ANZDRUCK", "BLZ",       "BANK",   "KTONR",   "ADRGRP",  "KNAME0",   "KNAME1",   "KNAME2",
        "KTART", "ABTPOS",   "TEL",       "FAX",    "EMAIL",   "KZUSATZ", "DOCTITLE", "MEMO"};
    const int widths[] = {8,  10, 5,  1,  1,  20,  10, 40, 64, 64, 64, 40, 64, 3, 40,
                          8,  16, 8,  40, 40, 250, 1,  16, 16, 16, 16, 10, 10, 2, 16,
                          64, 16, 16, 32, 64, 64,  24, 48, 24, 24, 64, 40, 80, 10};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].name, names[i]);
        EXPECT_EQ(fields[i].width, widths[i]) << names[i];
        EXPECT_EQ(fields[i].type, i < 43 ? files::DbfType::Character : files::DbfType::Memo);
    }
    // 43 text fields and the 4-byte block number make the 1,463 bytes of the record in memory.
    EXPECT_EQ(std::accumulate(widths, widths + 43, 0) + 4, 1463);
}

class MailingFileTest : public MailingFixture {};

TEST_F(MailingFileTest, NamesFollowMailPath) {
    EXPECT_EQ(mailingFile().name(), dir.file("QXAILADR"));
    EXPECT_EQ(mailingFilePath(kDocumentMailingName), dir.file("_MAIL1"));
    mailingFile().setName(dir.file("Kunden"));
    EXPECT_EQ(mailingFile().name(), dir.file("Kunden"));
}

TEST_F(MailingFileTest, RowsRoundTripAndBindUnderTheirPrefixedNames) {
    writeThreeRows();
    EXPECT_EQ(readFile(dir.file("QXAILADR.DBF")).size(), 32u + 44 * 32 + 1 + 3 * 1470 + 1);
    MailingFile& mailing = mailingFile();
    ASSERT_FALSE(mailing.openShared(files::DbfTable::Access::Read, false));
    ASSERT_FALSE(mailing.next());
    EXPECT_EQ(mailing.count(), 3u);
    EXPECT_EQ(mailing.rec.MEMO, "Zeile 1\r\nZeile 2\tTab");
    EXPECT_EQ(mailing.rec.MEMO_PTR, 1u);

    expr::Evaluator evaluator;
    MailingFieldSource source(mailing.rec);
    evaluator.bindRecord(source);
    evaluator.bind("M:MEMO", mailing.rec.MEMO);
    EXPECT_EQ(evaluator.evaluate("CLIP(M:NAME1) & '/' & CLIP(M:ORT)"), "Müller & Söhne {GmbH}/München");
    EXPECT_EQ(evaluator.evaluate("M:MEMO_PTR"), "1");
    ASSERT_FALSE(mailing.next());
    EXPECT_EQ(evaluator.evaluate("CLIP(M:NAME1)"), "Schmidt"); // the binding follows the buffer
    EXPECT_EQ(evaluator.evaluate("LEN(M:MEMO)"), "0");
    mailing.closeShared();
}

TEST_F(MailingFileTest, OpenCountsAndForeignLayouts) {
    MailingFile& mailing = mailingFile();
    ASSERT_FALSE(mailing.openShared(files::DbfTable::Access::Read, true)); // created when missing
    ASSERT_FALSE(mailing.openShared(files::DbfTable::Access::Read, false));
    EXPECT_EQ(mailing.openCount(), 2);
    mailing.closeShared();
    EXPECT_TRUE(mailing.isOpen());
    mailing.closeShared();
    EXPECT_FALSE(mailing.isOpen());

    ASSERT_FALSE(files::DbfTable::create(mailing.name(), {{"NAME1", files::DbfType::Character, 64}}));
    EXPECT_EQ(mailing.open(files::DbfTable::Access::Read).code, kInvalidRecordDeclaration);
    EXPECT_FALSE(mailing.isOpen());
}

} // namespace
} // namespace velkora::documents::test
