// Damaged or foreign tables must be refused with a clear error, never read
// outside the file (run under the sanitizers to see that).

#include "TempDir.h"
#include "data/files/DbfTable.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace velkora::files {
namespace {

using test::readFile;
using test::TempDir;

constexpr std::size_t kHeaderLength = 32 + 2 * 32 + 1;

struct Damage {
    const char* what;
    std::function<void(std::string& dbf, std::string& dbt)> apply;
    int openCode; // expected from open
    int readCode; // expected from the first next() when open succeeds
};

void setByte(std::string& s, std::size_t at, unsigned value) {
    s.at(at) = static_cast<char>(value);
}

const Damage kDamages[] = {
    {"header shorter than 32 bytes", [](std::string& dbf, std::string&) { dbf.resize(20); }, kInvalidDataFile,
     0},
    {"empty file", [](std::string& dbf, std::string&) { dbf.clear(); }, kInvalidDataFile, 0},
    {"unknown version byte", [](std::string& dbf, std::string&) { setByte(dbf, 0, 0x30); }, kInvalidDataFile,
     0},
    {"record count larger than the file", [](std::string& dbf, std::string&) { setByte(dbf, 5, 0x01); },
     kInvalidDataFile, 0},
    {"header length past the end", [](std::string& dbf, std::string&) { setByte(dbf, 9, 0x7F); },
     kInvalidDataFile, 0},
    {"header length below one field", [](std::string& dbf, std::string&) { setByte(dbf, 8, 40); },
     kInvalidDataFile, 0},
    {"field lengths overflow the record", [](std::string& dbf, std::string&) { setByte(dbf, 32 + 16, 200); },
     kInvalidDataFile, 0},
    {"no descriptor terminator", [](std::string& dbf, std::string&) { setByte(dbf, kHeaderLength - 1, 'X'); },
     kInvalidDataFile, 0},
    {"unknown field type", [](std::string& dbf, std::string&) { setByte(dbf, 32 + 11, 'Q'); },
     kInvalidDataFile, 0},
    {"memo field not 10 wide", [](std::string& dbf, std::string&) { setByte(dbf, 64 + 16, 4); },
     kInvalidDataFile, 0},
    {"missing memo file", [](std::string&, std::string& dbt) { dbt = "<removed>"; }, kFileNotFound, 0},
    {"memo file without a header block", [](std::string&, std::string& dbt) { dbt.resize(100); },
     kInvalidMemoFile, 0},
    {"memo block number past the end",
     [](std::string& dbf, std::string&) { dbf.replace(kHeaderLength + 1 + 8, 10, "       999"); }, 0,
     kInvalidMemoFile},
    {"memo block number not a number",
     [](std::string& dbf, std::string&) { dbf.replace(kHeaderLength + 1 + 8, 10, "      1x1 "); }, 0,
     kInvalidMemoFile},
    {"memo without terminator at the end of the file",
     [](std::string&, std::string& dbt) { dbt.resize(1100); }, 0, 0},
    {"end marker missing after the last record", [](std::string& dbf, std::string&) { dbf.pop_back(); }, 0,
     0},
};

TEST(DbfDamage, EveryDamageGivesItsErrorAndNoCrash) {
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.what);
        TempDir dir;
        const std::string name = dir.file("T");
        ASSERT_FALSE(DbfTable::create(name, {{"NAME", DbfType::Character, 8}, {"MEMO", DbfType::Memo, 10}}));
        {
            DbfTable writer;
            ASSERT_FALSE(writer.open(name, DbfTable::Access::Write));
            ASSERT_FALSE(writer.append({{"Name", std::string(700, 'm')}}));
        }
        std::string dbf = readFile(dir.file("T.DBF"));
        std::string dbt = readFile(dir.file("T.dbt"));
        damage.apply(dbf, dbt);
        dir.write("T.DBF", dbf);
        if (dbt == "<removed>")
            std::filesystem::remove(dir.file("T.dbt"));
        else
            dir.write("T.dbt", dbt);

        DbfTable table;
        const FileError opened = table.open(name, DbfTable::Access::Read);
        EXPECT_EQ(opened.code, damage.openCode) << opened.text;
        if (opened) {
            EXPECT_FALSE(opened.text.empty());
            EXPECT_FALSE(table.isOpen());
            continue;
        }
        DbfRecord row;
        const FileError read = table.next(row);
        EXPECT_EQ(read.code, damage.readCode) << read.text;
        if (!read) {
            EXPECT_EQ(row.values[0], "Name    ");
        }
    }
}

TEST(DbfDamage, MemoFileFoundInTheOtherCase) {
    TempDir dir;
    ASSERT_FALSE(DbfTable::create(dir.file("T"), {{"MEMO", DbfType::Memo, 10}}));
    std::filesystem::rename(dir.file("T.dbt"), dir.file("T.DBT"));
    DbfTable table;
    EXPECT_FALSE(table.open(dir.file("T"), DbfTable::Access::Read));
}

} // namespace
} // namespace velkora::files
