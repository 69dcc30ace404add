// The page logic of lists over an in-memory source: what each move reads
// and where the selection lands.

#include "ui/browse/BrowsePage.h"

#include "MemorySource.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "data/FileServices.h"
#include "shared/AppState.h"
#include "shared/Text.h"
#include "ui/browse/BrowseSort.h"
#include "ui/browse/ViewSource.h"

#include <gtest/gtest.h>
#include <random>

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
        page.scroll(Scroll::OneDown);
    EXPECT_EQ(page.current(), 4);
    EXPECT_EQ(names().front(), "N001");
    const int before = source.reads;
    page.scroll(Scroll::OneDown);
    EXPECT_EQ(names().front(), "N002");
    EXPECT_EQ(selected(), "N006");
    EXPECT_LE(source.reads - before, 2);
    // The stripes travel with their records.
    EXPECT_NE(page.rows()[3].shaded, page.rows()[4].shaded);
    page.select(0);
    page.scroll(Scroll::OneUp);
    EXPECT_EQ(names().front(), "N001");
    EXPECT_EQ(selected(), "N001");
    page.scroll(Scroll::OneUp);
    EXPECT_EQ(selected(), "N001");
}

TEST_F(BrowsePageTest, PageDownKeepsTheRowAndStopsAtTheLastRecord) {
    fill(12);
    page.top();
    page.select(1);
    page.scroll(Scroll::PageDown);
    EXPECT_EQ(names().front(), "N006");
    EXPECT_EQ(selected(), "N007");
    page.scroll(Scroll::PageDown); // only two more records: the page shows the last five
    EXPECT_EQ(names().back(), "N012");
    EXPECT_EQ(selected(), "N012");
    page.scroll(Scroll::PageUp);
    EXPECT_EQ(names().front(), "N003");
    page.scroll(Scroll::PageUp); // a page of records up from N007, though only two could be read
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
    page.scroll(Scroll::OneDown);
    EXPECT_EQ(selected(), "N009");
}

TEST_F(BrowsePageTest, ResetToARowKeepsTheRecordWhereItWasShown) {
    fill(20);
    page.resetTo(positions[9], 4); // N010 on the last row
    EXPECT_EQ(names(), (std::vector<std::string>{"N006", "N007", "N008", "N009", "N010"}));
    EXPECT_EQ(page.current(), 4);
    EXPECT_EQ(page.rows()[0].cells[0].normalBg, kNoColour);
    page.scroll(Scroll::OneDown); // from there the page moves by one record
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
    page.scroll(Scroll::OneDown);
    page.scroll(Scroll::PageDown);
    page.removeCurrent();
    EXPECT_FALSE(page.failed());
}

TEST_F(BrowsePageTest, ReadErrorIsReported) {
    fill(30);
    page.top();
    source.failAfter = 2;
    page.scroll(Scroll::PageDown);
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
        {"pageDown", [&] { page.scroll(Scroll::PageDown); }},
        {"bottom", [&] { page.bottom(); }},
        {"pageUp", [&] { page.scroll(Scroll::PageUp); }},
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

// The four directions first: rounds pick mostly one of them, as a held key does.
constexpr Scroll kSteps[] = {Scroll::OneUp,    Scroll::OneDown, Scroll::PageUp,
                             Scroll::PageDown, Scroll::Top,     Scroll::Bottom};

// Two pages over equal sources: one takes steps as a burst, the other one by one.
struct TwinPages {
    explicit TwinPages(int count) {
        for (MemorySource* source : {&burst, &single}) {
            for (int i = 1; i <= count; ++i)
                source->add({{"NAME", "N" + std::to_string(100 + i)}});
            source->open("UPPER(NAME)");
        }
    }
    static RowBuilder builder() {
        return [](const BrowseSource& s) {
            BrowseRow row;
            row.cells.push_back({s.field("NAME")});
            return row;
        };
    }
    static std::vector<std::pair<std::string, bool>> shown(const BrowsePage& page) {
        std::vector<std::pair<std::string, bool>> out;
        for (const auto& row : page.rows())
            out.emplace_back(row.cells[0].text, row.shaded);
        return out;
    }
    MemorySource burst, single;
    BrowsePage burstPage{burst, builder()}, singlePage{single, builder()};
};

TEST(BrowseBurstTest, ABurstEndsWhereSingleStepsEnd) {
    std::mt19937 random(20261206);
    for (const int count : {3, 5, 23}) { // shorter than, as long as and longer than a page
        TwinPages twins(count);
        for (int round = 0; round < 300; ++round) {
            const auto start = std::to_string(1 + random() % static_cast<unsigned>(count));
            const int row = static_cast<int>(random() % 5);
            std::vector<Scroll> steps(1 + random() % 12);
            // Mostly one direction, as a held key gives, with a few turns.
            for (auto& step : steps)
                step = kSteps[random() % 10 < 7 ? round % 4 : random() % 6];
            for (BrowsePage* page : {&twins.burstPage, &twins.singlePage}) {
                page->setPageSize(5);
                page->resetTo(start, row);
            }
            twins.burstPage.scroll(steps);
            for (const Scroll step : steps)
                twins.singlePage.scroll(step);
            ASSERT_EQ(TwinPages::shown(twins.burstPage), TwinPages::shown(twins.singlePage))
                << "records " << count << ", round " << round;
            ASSERT_EQ(twins.burstPage.current(), twins.singlePage.current())
                << "records " << count << ", round " << round;
        }
    }
}

// The same over the record file: reading on from where the last step
// stopped gives what a fresh seek gives.
TEST(BrowseBurstTest, OverTheRecordFileABurstEndsWhereSingleStepsEnd) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    resetAppState();
    appState().DATAPATH = dir.str();
    auto& file = data::files().QXADRBRA;
    ASSERT_TRUE(data::OpenRecordFile(file));
    for (int i = 1; i <= 37; ++i) {
        file.clear();
        file.rec.BRANCHE = "B" + std::to_string(100 + i);
        ASSERT_EQ(file.add(), 0);
    }
    ViewSource burstSource(file), singleSource(file);
    const auto builder = [](const BrowseSource& s) {
        BrowseRow row;
        row.cells.push_back({s.field("BRA:BRANCHE")});
        return row;
    };
    BrowsePage burst(burstSource, builder), single(singleSource, builder);
    std::mt19937 random(7);
    for (const std::string order : {"UPPER(BRA:BRANCHE)", "-UPPER(BRA:BRANCHE)"}) {
        for (BrowsePage* page : {&burst, &single}) {
            ASSERT_TRUE((page == &burst ? burstSource : singleSource).open(order));
            page->setPageSize(6);
            page->top();
        }
        for (int round = 0; round < 60; ++round) {
            std::vector<Scroll> steps(1 + random() % 20);
            for (auto& step : steps)
                step = kSteps[random() % 10 < 8 ? round % 4 : random() % 6];
            burst.scroll(steps);
            for (const Scroll step : steps)
                single.scroll(step);
            ASSERT_EQ(TwinPages::shown(burst), TwinPages::shown(single)) << order << ", round " << round;
            ASSERT_EQ(burst.current(), single.current()) << order << ", round " << round;
        }
    }
    data::CloseRecordFile(file);
}

TEST(BrowseBurstTest, ABurstInOneDirectionSeeksOnce) {
    TwinPages twins(200);
    BrowsePage& page = twins.burstPage;
    MemorySource& source = twins.burst;
    page.setPageSize(10);
    page.top();
    page.select(9);
    const struct {
        Scroll step;
        int keys;
        int reads;
    } bursts[] = {
        {Scroll::OneDown, 15, 15}, // at the page's edge: the page shifts by each
        {Scroll::PageDown, 6, 60},
        {Scroll::OneUp, 15, 15}, // from the first row
        {Scroll::PageUp, 8, 60}, // the last two find the start of the view
    };
    for (const auto& burst : bursts) {
        if (burst.step == Scroll::OneUp)
            page.select(0);
        source.seeks = source.reads = 0;
        page.scroll(std::vector<Scroll>(static_cast<std::size_t>(burst.keys), burst.step));
        EXPECT_EQ(source.seeks, 1);
        EXPECT_EQ(source.reads, burst.reads);
    }
    EXPECT_EQ(page.currentRow()->cells[0].text, "N101");
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
