// The page logic of lists over an in-memory source: what each move reads
// and where the selection lands.

#include "ui/browse/BrowsePage.h"

#include "MemorySource.h"
#include "ui/browse/BrowseSort.h"

#include <gtest/gtest.h>

namespace velkora::browse {
namespace {

using test::MemorySource;

class BrowsePageTest : public ::testing::Test {
protected:
    // Names N001..N<count>, sorted by name.
    void fill(int count) {
        for (int i = 1; i <= count; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "N%03d", i);
            positions.push_back(source.add({{"NAME", name}, {"NR", std::to_string(i)}}));
        }
        source.open("UPPER(NAME)");
        page.setPageSize(5);
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& row : page.rows())
            out.push_back(row.cells.at(0).text);
        return out;
    }
    std::string selected() const { return page.currentRow()->cells.at(0).text; }

    MemorySource source{{"NR"}};
    BrowsePage page{source, [](const BrowseSource& s) {
                        BrowseRow row;
                        row.cells.push_back({s.field("NAME")});
                        return row;
                    }};
    std::vector<std::string> positions;
};

TEST_F(BrowsePageTest, TopReadsOnePageWithAlternateShading) {
    fill(100);
    page.top();
    EXPECT_EQ(names(), (std::vector<std::string>{"N001", "N002", "N003", "N004", "N005"}));
    EXPECT_EQ(page.current(), 0);
    EXPECT_LE(source.reads, 6);
    EXPECT_EQ(page.rows()[0].cells[0].normalBg, kNoColour);
    EXPECT_EQ(page.rows()[1].cells[0].normalBg, kShadeColour);
    EXPECT_EQ(page.rows()[2].cells[0].normalBg, kNoColour);
}

TEST_F(BrowsePageTest, OneDownMovesTheSelectionThenShiftsThePageAtItsEdge) {
    fill(100);
    page.top();
    for (int i = 0; i < 4; ++i)
        page.oneDown();
    EXPECT_EQ(page.current(), 4);
    EXPECT_EQ(names().front(), "N001");
    const int before = source.reads;
    page.oneDown();
    EXPECT_EQ(names().front(), "N002");
    EXPECT_EQ(selected(), "N006");
    EXPECT_LE(source.reads - before, 2);
    // The stripes travel with their records.
    EXPECT_NE(page.rows()[3].shaded, page.rows()[4].shaded);
    page.select(0);
    page.oneUp();
    EXPECT_EQ(names().front(), "N001");
    EXPECT_EQ(selected(), "N001");
    page.oneUp();
    EXPECT_EQ(selected(), "N001");
}

TEST_F(BrowsePageTest, PageDownKeepsTheRowAndStopsAtTheLastRecord) {
    fill(12);
    page.top();
    page.select(1);
    page.pageDown();
    EXPECT_EQ(names().front(), "N006");
    EXPECT_EQ(selected(), "N007");
    page.pageDown(); // only two more records: the page shows the last five
    EXPECT_EQ(names().back(), "N012");
    EXPECT_EQ(selected(), "N012");
    page.pageUp();
    EXPECT_EQ(names().front(), "N003");
    page.pageUp(); // a page of records up from N007, though only two could be read
    EXPECT_EQ(names().front(), "N001");
    EXPECT_EQ(selected(), "N002");
}

TEST_F(BrowsePageTest, BottomAndThumb) {
    fill(50);
    page.thumb(100);
    EXPECT_EQ(names().back(), "N050");
    EXPECT_EQ(selected(), "N050");
    page.thumb(50); // the middle of a page list means nothing
    EXPECT_EQ(selected(), "N050");
    page.thumb(1);
    EXPECT_EQ(selected(), "N001");
}

TEST_F(BrowsePageTest, LocateSelectsTheRecordAtOrAfterTheValueWithAFullPage) {
    fill(50);
    page.locate({"n0205"}); // between N020 and N021, case-insensitive
    EXPECT_EQ(selected(), "N021");
    EXPECT_EQ(page.current(), 0);
    page.locate({"N049"}); // near the end the page is completed from above
    EXPECT_EQ(names(), (std::vector<std::string>{"N046", "N047", "N048", "N049", "N050"}));
    EXPECT_EQ(selected(), "N049");
    page.locate({"ZZZ"}); // after the last record: the end of the view
    EXPECT_EQ(selected(), "N050");
}

TEST_F(BrowsePageTest, ResetToKeepsTheRecordInADescendingOrder) {
    fill(20);
    source.open("-UPPER(NAME)");
    page.resetTo(positions[9]);
    EXPECT_EQ(selected(), "N010");
    EXPECT_EQ(names().front(), "N010");
    page.oneDown();
    EXPECT_EQ(selected(), "N009");
}

TEST_F(BrowsePageTest, ResetToARowKeepsTheRecordWhereItWasShown) {
    fill(20);
    page.resetTo(positions[9], 4); // N010 on the last row
    EXPECT_EQ(names(), (std::vector<std::string>{"N006", "N007", "N008", "N009", "N010"}));
    EXPECT_EQ(page.current(), 4);
    EXPECT_EQ(page.rows()[0].cells[0].normalBg, kNoColour);
    page.oneDown(); // from there the page moves by one record
    EXPECT_EQ(names().front(), "N007");
    EXPECT_EQ(selected(), "N011");
    page.resetTo(positions[1], 4); // only one record above N002
    EXPECT_EQ(names().front(), "N001");
    EXPECT_EQ(selected(), "N002");
    page.resetTo(positions[18], 1); // near the end the page is completed from above
    EXPECT_EQ(names(), (std::vector<std::string>{"N016", "N017", "N018", "N019", "N020"}));
    EXPECT_EQ(selected(), "N019");
}

TEST_F(BrowsePageTest, RemoveCurrentRefillsFromBelowOrAbove) {
    fill(7);
    page.top();
    page.select(2);
    source.erase(page.currentRow()->position);
    page.removeCurrent();
    EXPECT_EQ(names(), (std::vector<std::string>{"N001", "N002", "N004", "N005", "N006"}));
    EXPECT_EQ(selected(), "N004");
    page.bottom();
    source.erase(page.currentRow()->position); // N007, the last record
    page.removeCurrent();
    EXPECT_EQ(names(), (std::vector<std::string>{"N001", "N002", "N004", "N005", "N006"}));
    EXPECT_EQ(selected(), "N006");
}

TEST_F(BrowsePageTest, EmptyViewAndEndOfFileAreQuiet) {
    source.open("UPPER(NAME)");
    page.top();
    EXPECT_TRUE(page.empty());
    EXPECT_EQ(page.current(), -1);
    page.oneDown();
    page.pageDown();
    page.removeCurrent();
    EXPECT_FALSE(page.failed());
}

TEST_F(BrowsePageTest, ReadErrorIsReported) {
    fill(30);
    page.top();
    source.failAfter = 2;
    page.pageDown();
    EXPECT_TRUE(page.failed());
}

TEST_F(BrowsePageTest, MovesReadNoMoreThanAPage) {
    fill(1000);
    page.setPageSize(20);
    struct Move {
        const char* name;
        std::function<void()> run;
    };
    const Move moves[] = {
        {"top", [&] { page.top(); }},
        {"pageDown", [&] { page.pageDown(); }},
        {"bottom", [&] { page.bottom(); }},
        {"pageUp", [&] { page.pageUp(); }},
        {"locate", [&] { page.locate({"N500"}); }},
        {"resetTo", [&] { page.resetTo(positions[700]); }},
        {"resetTo the last row", [&] { page.resetTo(positions[700], 19); }},
    };
    for (const auto& move : moves) {
        source.reads = 0;
        move.run();
        EXPECT_LE(source.reads, 21) << move.name;
        EXPECT_EQ(page.rows().size(), 20u) << move.name;
    }
}

TEST(BrowseSortTest, OrderExpressions) {
    const std::vector<SortMapping> mappings = {
        {"BRW:LDPLZ", "ADR:LD", "UPPER(ADR:LD), UPPER(ADR:PLZ)", "-UPPER(ADR:LD), -UPPER(ADR:PLZ)", 2}};
    EXPECT_EQ(sortOrder({"ADR:ORT", "Ort", "@s39L"}, false, mappings).expression, "UPPER(ADR:ORT)");
    EXPECT_EQ(sortOrder({"ADR:ORT", "Ort", "@s39L"}, true, mappings).expression, "-UPPER(ADR:ORT)");
    EXPECT_EQ(sortOrder({"ADR:ADRNR", "Adr-Nr.", "@n_6B"}, true, mappings).expression, "-ADR:ADRNR");
    EXPECT_EQ(sortOrder({"ADR:EKONT", "Erstkontakt", "@d17B"}, false, mappings).expression, "ADR:EKONT");
    const auto ldplz = sortOrder({"BRW:LDPLZ", "BRW:LDPLZ", "@S20L"}, true, mappings);
    EXPECT_EQ(ldplz.expression, "-UPPER(ADR:LD), -UPPER(ADR:PLZ)");
    EXPECT_EQ(ldplz.locatorField, "ADR:LD");
    EXPECT_EQ(ldplz.locateComponents, 2);
}

TEST(BrowseSortTest, LocatorKeepsThirtyTwoCharactersAndAByteCounter) {
    Locator locator;
    locator.backspace(); // counter wraps past 254 and back to 0
    EXPECT_EQ(locator.text(), "");
    locator.append("M");
    locator.append("ü");
    locator.append(" ");
    EXPECT_EQ(locator.text(), "Mü ");
    locator.backspace();
    locator.backspace();
    EXPECT_EQ(locator.text(), "M");
    for (int i = 0; i < 40; ++i)
        locator.append("x");
    EXPECT_EQ(charCount(locator.text()), 32u);
    locator.set("äöü");
    locator.backspace();
    EXPECT_EQ(locator.text(), "äö");
}

} // namespace
} // namespace velkora::browse
