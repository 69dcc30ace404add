// The list source over a dBase table: file order around deleted rows, a
// page read without touching the rest of the file, and rows that change,
// go or come while the list shows them.

#include "ui/browse/DbaseSource.h"

#include "TempDir.h"
#include "ui/browse/BrowsePage.h"

#include <fstream>
#include <gtest/gtest.h>

namespace velkora::browse {
namespace {

using files::DbfTable;

class DbaseSourceTest : public ::testing::Test {
protected:
    // Rows "N1".."N<count>" with the memo "memo <n>".
    void fill(int count) {
        ASSERT_FALSE(DbfTable::create(
            table, {{"NAME1", files::DbfType::Character, 20}, {"MEMO", files::DbfType::Memo, 10}}));
        DbfTable writer;
        ASSERT_FALSE(writer.open(table, DbfTable::Access::Write));
        for (int i = 1; i <= count; ++i)
            ASSERT_FALSE(writer.append({{"N" + std::to_string(i), "memo " + std::to_string(i)}}));
    }
    // Overwrites bytes of record `recno` at `offset` within it, as another program would.
    void poke(std::uint32_t recno, std::size_t offset, const std::string& bytes) const {
        const std::size_t header = 32 + 2 * 32 + 1; // two field descriptors
        const std::size_t record = 1 + 20 + 10;
        std::fstream file(DbfTable::tableFileName(table), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(header + (recno - 1) * record + offset));
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::string> forward() {
        std::vector<std::string> out;
        while (source.next() == ReadResult::Ok)
            out.push_back(source.position() + "=" + source.field("M:NAME1"));
        return out;
    }
    std::vector<std::string> backward() {
        std::vector<std::string> out;
        while (source.previous() == ReadResult::Ok)
            out.push_back(source.field("NAME1"));
        return out;
    }

    test::TempDir dir;
    std::string table = dir.file("liste");
    DbaseSource source{table, "M"};
};

TEST_F(DbaseSourceTest, ReadsInFileOrderPastDeletedRowsInBothDirections) {
    fill(5);
    ASSERT_TRUE(source.open("UPPER(M:NAME1)"));
    EXPECT_FALSE(source.remove("2"));
    EXPECT_FALSE(source.remove("4"));

    source.seekStart();
    EXPECT_EQ(forward(), (std::vector<std::string>{"1=N1", "3=N3", "5=N5"}));
    source.seekEnd();
    EXPECT_EQ(backward(), (std::vector<std::string>{"N5", "N3", "N1"}));
    // Next to a row that has gone, and at a record number.
    source.seekAfter("2");
    EXPECT_EQ(forward(), (std::vector<std::string>{"3=N3", "5=N5"}));
    source.seekBefore("4");
    EXPECT_EQ(backward(), (std::vector<std::string>{"N3", "N1"}));
    source.seekValues({"3"});
    EXPECT_EQ(forward(), (std::vector<std::string>{"3=N3", "5=N5"}));

    // Fields by prefixed or bare name, any case; memos as their text.
    ASSERT_EQ(source.reget("5"), ReadResult::Ok);
    EXPECT_EQ(source.field("m:memo"), "memo 5");
    EXPECT_EQ(source.field("NAME1"), "N5");
    EXPECT_EQ(source.field("M:NOSUCH"), "");
    EXPECT_EQ(source.fileName(), "liste.DBF");
    source.clearRecord();
    EXPECT_EQ(source.position(), "");
    EXPECT_EQ(source.field("M:NAME1"), "");
}

TEST_F(DbaseSourceTest, APageIsReadWithoutTheRestOfTheFile) {
    fill(40);
    poke(30, 21, "  garbage!"); // a memo block number no reader can follow
    ASSERT_TRUE(source.open(""));
    BrowsePage page(source, [](const BrowseSource& s) {
        BrowseRow row;
        row.cells.push_back({s.field("M:NAME1")});
        return row;
    });
    page.setPageSize(10);
    page.top();
    ASSERT_EQ(page.rows().size(), 10u);
    EXPECT_EQ(page.rows().back().cells[0].text, "N10");
    EXPECT_FALSE(page.failed());

    // Only the damaged row itself fails, with the reader's code and text.
    source.seekBefore("30");
    EXPECT_EQ(source.next(), ReadResult::Error);
    EXPECT_EQ(source.lastError().code, files::kInvalidMemoFile);
}

TEST_F(DbaseSourceTest, RowsThatChangeGoOrComeWhileTheListIsOpen) {
    fill(3);
    ASSERT_TRUE(source.open(""));
    poke(2, 1, "Changed");
    ASSERT_EQ(source.reget("2"), ReadResult::Ok);
    EXPECT_EQ(source.field("M:NAME1"), "Changed");

    ASSERT_FALSE(source.remove("2"));
    EXPECT_EQ(source.reget("2"), ReadResult::End);
    EXPECT_EQ(source.remove("9").code, files::kRecordNotAvailable);

    {
        DbfTable writer;
        ASSERT_FALSE(writer.open(table, DbfTable::Access::Write));
        ASSERT_FALSE(writer.append({{"N4"}}));
    }
    ASSERT_TRUE(source.open("")); // the list's refresh
    source.seekStart();
    EXPECT_EQ(forward(), (std::vector<std::string>{"1=N1", "3=N3", "4=N4"}));
}

TEST_F(DbaseSourceTest, AMissingTableGivesTheReadersError) {
    EXPECT_FALSE(source.open(""));
    EXPECT_EQ(source.lastError().code, files::kFileNotFound);
    EXPECT_EQ(source.remove("1").code, files::kFileNotFound);
}

} // namespace
} // namespace velkora::browse
