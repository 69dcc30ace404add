#include "data/files/DbfTable.h"

#include "TempDir.h"
#include "shared/AppState.h"
#include "shared/Clock.h"

#include <gtest/gtest.h>

namespace velkora::files {
namespace {

using test::readFile;
using test::TempDir;

const std::vector<DbfField> kFields = {
    {"NAME1", DbfType::Character, 20},
    {"ADRNR", DbfType::Numeric, 6},
    {"MEMO", DbfType::Memo, 10},
};

unsigned byteAt(const std::string& s, std::size_t i) {
    return static_cast<unsigned char>(s.at(i));
}

class DbfTableTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string name = dir.file("LISTE");
    FixedClock clock{{{2026, 12, 6}, {9, 30}}};
};

TEST_F(DbfTableTest, WritesTheStandardDbaseIIILayout) {
    ASSERT_FALSE(DbfTable::create(name, kFields));
    DbfTable table;
    ASSERT_FALSE(table.open(name, DbfTable::Access::Write));
    ASSERT_FALSE(table.append({{"Müller", "42", "Zeile 1\r\nZeile 2"}}));
    ASSERT_FALSE(table.append({{"Ohne Memo", "7", ""}}));
    table.close();

    const std::string dbf = readFile(dir.file("LISTE.DBF"));
    const std::size_t headerLength = 32 + 3 * 32 + 1;
    const std::size_t recordLength = 1 + 20 + 6 + 10;
    ASSERT_EQ(dbf.size(), headerLength + 2 * recordLength + 1);
    EXPECT_EQ(byteAt(dbf, 0), 0x83u);                         // dBase III with memo
    EXPECT_EQ(dbf.substr(1, 3), std::string("\x7e\x0c\x06")); // 2026-12-06
    EXPECT_EQ(byteAt(dbf, 4), 2u);                            // records
    EXPECT_EQ(byteAt(dbf, 8) | byteAt(dbf, 9) << 8, headerLength);
    EXPECT_EQ(byteAt(dbf, 10) | byteAt(dbf, 11) << 8, recordLength);
    EXPECT_EQ(byteAt(dbf, 29), 0x02u); // language driver: CP850
    EXPECT_EQ(dbf.substr(32, 6), std::string("NAME1\0", 6));
    EXPECT_EQ(dbf[32 + 11], 'C');
    EXPECT_EQ(byteAt(dbf, 32 + 16), 20u);
    EXPECT_EQ(byteAt(dbf, headerLength - 1), 0x0Du);
    EXPECT_EQ(dbf.substr(headerLength, recordLength),
              " M\x81ller" + std::string(14, ' ') + "    42" + "         1");
    EXPECT_EQ(dbf.substr(headerLength + recordLength + 27, 10), std::string(10, ' '));
    EXPECT_EQ(byteAt(dbf, dbf.size() - 1), 0x1Au);

    const std::string dbt = readFile(dir.file("LISTE.dbt"));
    ASSERT_EQ(dbt.size(), 2u * 512);
    EXPECT_EQ(byteAt(dbt, 0), 2u); // next free block
    EXPECT_EQ(dbt.substr(512, 18), std::string("Zeile 1\r\nZeile 2\x1a\x1a"));
}

TEST_F(DbfTableTest, ReadsBackWhatItWrote) {
    ASSERT_FALSE(DbfTable::create(name, kFields));
    DbfTable writer;
    ASSERT_FALSE(writer.open(name, DbfTable::Access::Write));
    const std::string longMemo(1500, 'x'); // spans three blocks
    ASSERT_FALSE(writer.append({{"Größe", "1", longMemo}}));
    ASSERT_FALSE(writer.append({{"Zweiter Name der zu lang ist", "123456789", "ä"}}));
    ASSERT_FALSE(writer.append({{"Dritter", "3"}}));
    writer.close();

    DbfTable table;
    ASSERT_FALSE(table.open(name, DbfTable::Access::Read));
    EXPECT_EQ(table.count(), 3u);
    EXPECT_EQ(table.fieldIndex("memo"), 2);
    EXPECT_EQ(table.fieldIndex("NOPE"), -1);
    DbfRecord row;
    ASSERT_FALSE(table.next(row));
    EXPECT_EQ(row.values[0], "Größe" + std::string(15, ' '));
    EXPECT_EQ(row.values[1], "     1");
    EXPECT_EQ(row.values[2], longMemo);
    EXPECT_EQ(row.memoBlocks[2], 1u);
    ASSERT_FALSE(table.next(row));
    EXPECT_EQ(row.values[0], "Zweiter Name der zu ");
    EXPECT_EQ(row.values[1], "******"); // too wide for the number field
    EXPECT_EQ(row.values[2], "ä");
    EXPECT_EQ(row.memoBlocks[2], 4u);
    ASSERT_FALSE(table.next(row));
    EXPECT_EQ(row.values[2], "");
    EXPECT_EQ(table.next(row).code, kRecordNotAvailable);

    ASSERT_FALSE(table.read(2, row));
    EXPECT_EQ(table.position(), 2u);
    EXPECT_EQ(table.read(4, row).code, kRecordNotAvailable);
    table.rewind();
    ASSERT_FALSE(table.next(row));
    EXPECT_EQ(row.values[1], "     1");
    EXPECT_EQ(table.append({{"x"}}).code, kAccessDenied);
}

TEST_F(DbfTableTest, OneWriterAtATimeAndReadersAlongside) {
    ASSERT_FALSE(DbfTable::create(name, kFields));
    DbfTable writer, second, reader;
    ASSERT_FALSE(writer.open(name, DbfTable::Access::Write));
    EXPECT_EQ(second.open(name, DbfTable::Access::Write).code, kFileLocked);
    EXPECT_FALSE(reader.open(name, DbfTable::Access::Read));
    writer.close();
    EXPECT_FALSE(second.open(name, DbfTable::Access::Write));
}

// Appended rows are written together; a flush, a read or closing puts them in the file.
TEST_F(DbfTableTest, AppendedRowsReachTheFileInBatches) {
    ASSERT_FALSE(DbfTable::create(name, kFields));
    DbfTable writer;
    ASSERT_FALSE(writer.open(name, DbfTable::Access::Write));
    auto onDisk = [&] {
        DbfTable reader;
        EXPECT_FALSE(reader.open(name, DbfTable::Access::Read));
        return reader.count();
    };
    for (int i = 0; i < 3; ++i)
        ASSERT_FALSE(writer.append({{"Müller " + std::to_string(i), std::to_string(i), ""}}));
    EXPECT_EQ(writer.count(), 3u);
    EXPECT_FALSE(writer.flush());
    EXPECT_EQ(onDisk(), 3u);
    ASSERT_FALSE(writer.append({{"Weiß", "4", "Memo"}}));
    DbfRecord row;
    ASSERT_FALSE(writer.read(4, row));
    EXPECT_EQ(row.values[0], "Weiß                ");
    EXPECT_EQ(row.values[2], "Memo");
    EXPECT_EQ(onDisk(), 4u);
    // Enough rows to fill more than one batch.
    for (int i = 0; i < 20000; ++i)
        ASSERT_FALSE(writer.append({{"Zeile", std::to_string(i), ""}}));
    writer.close();
    EXPECT_EQ(onDisk(), 20004u);
    const std::string file = readFile(dir.file("LISTE.DBF"));
    EXPECT_EQ(file.back(), '\x1A');
    EXPECT_EQ(file.size(), 32 + 3 * 32 + 1 + 20004 * (1 + 20 + 6 + 10) + 1);
}

TEST_F(DbfTableTest, ARowDeletedBeforeItsBatchIsWrittenStaysDeleted) {
    ASSERT_FALSE(DbfTable::create(name, kFields));
    DbfTable writer;
    ASSERT_FALSE(writer.open(name, DbfTable::Access::Write));
    ASSERT_FALSE(writer.append({{"Erste", "1", ""}}));
    ASSERT_FALSE(writer.append({{"Zweite", "2", ""}}));
    ASSERT_FALSE(writer.markDeleted(2));
    writer.close();
    DbfTable reader;
    ASSERT_FALSE(reader.open(name, DbfTable::Access::Read));
    DbfRecord row;
    ASSERT_FALSE(reader.read(2, row));
    EXPECT_TRUE(row.deleted);
}

TEST_F(DbfTableTest, NamesAndRemoval) {
    EXPECT_EQ(DbfTable::tableFileName("/m/QXAILADR"), "/m/QXAILADR.DBF");
    EXPECT_EQ(DbfTable::tableFileName("/m/liste.dbf"), "/m/liste.dbf");
    EXPECT_EQ(DbfTable::memoFileName("/m/liste.dbf"), "/m/liste.dbt");
    EXPECT_EQ(DbfTable::memoFileName("/m/QXAILADR.DBF"), "/m/QXAILADR.dbt");

    EXPECT_EQ(DbfTable::remove(name).code, kFileNotFound);
    ASSERT_FALSE(DbfTable::create(name, kFields));
    EXPECT_FALSE(DbfTable::remove(name));
    EXPECT_FALSE(fileExists(dir.file("LISTE.dbt")));
    DbfTable table;
    EXPECT_EQ(table.open(name, DbfTable::Access::Read).code, kFileNotFound);

    // A table without memo fields has no memo file and version 03h.
    ASSERT_FALSE(DbfTable::create(name, {{"A", DbfType::Character, 1}}));
    EXPECT_EQ(byteAt(readFile(dir.file("LISTE.DBF")), 0), 0x03u);
    EXPECT_FALSE(fileExists(dir.file("LISTE.dbt")));
    EXPECT_EQ(DbfTable::create(name, {{"ELEVENCHARS", DbfType::Character, 1}}).code, kInvalidDataFile);
}

} // namespace
} // namespace velkora::files
