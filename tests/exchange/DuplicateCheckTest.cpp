// The check list's duplicate rule: four characters of name 1 (fewer for a
// shorter name), then three of name 2, place and street where the row gives
// them, in capitals; and the marks the check leaves in the exchange file.

#include "exchange/DuplicateCheck.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace velkora::exchange {
namespace {

using Numbers = std::vector<std::int32_t>;

class DuplicateFinderTest : public ::testing::Test {
protected:
    void SetUp() override {
        finder.add(1, "Müller GmbH", "Werk 2", "München", "Hauptstraße 1");
        finder.add(2, "MÜLLERS Backstube", "", "Berlin", "Ringstraße 4");
        finder.add(3, "Mül", "", "München", "");
        finder.add(4, "Mueller AG", "", "München", "");
        finder.add(5, "Ox", "", "Köln", "");
        finder.add(6, "Oxford Ltd", "", "London", "");
        finder.ready();
    }
    DuplicateFinder finder;
};

TEST_F(DuplicateFinderTest, FourLettersOfNameOneInAnyCase) {
    EXPECT_EQ(finder.find("müller & söhne", "", "", ""), (Numbers{1, 2}));
    EXPECT_EQ(finder.find("Muel", "", "", ""), (Numbers{4}));
    EXPECT_EQ(finder.find("", "", "", ""), Numbers{});
}

TEST_F(DuplicateFinderTest, AShorterNameIsComparedOnItsFullLength) {
    EXPECT_EQ(finder.find("Ox", "", "", ""), (Numbers{5, 6}));
    EXPECT_EQ(finder.find("mül", "", "", ""), (Numbers{1, 2, 3}));
}

TEST_F(DuplicateFinderTest, NameTwoPlaceAndStreetMustAgreeInThreeLettersWhereGiven) {
    EXPECT_EQ(finder.find("Müller", "", "MÜNCHEN-Pasing", ""), (Numbers{1}));
    EXPECT_EQ(finder.find("Müller", "werkstatt", "", ""), (Numbers{1}));
    EXPECT_EQ(finder.find("Müller", "Lager", "", ""), Numbers{});
    EXPECT_EQ(finder.find("Müller", "", "Berlin", "Ringweg"), (Numbers{2}));
    EXPECT_EQ(finder.find("Müller", "", "Berlin", "Hauptstraße"), Numbers{});
    // An existing address without a name 2 has no three letters to agree.
    EXPECT_EQ(finder.find("Müller", "Wer", "", ""), (Numbers{1}));
    EXPECT_EQ(finder.find("Mül", "", "Mü", ""), Numbers{});
}

TEST_F(DuplicateFinderTest, TheCheckMarksEveryRowAndListsItsDuplicates) {
    test::TempDir dir;
    const std::string name = dir.file("Adr$Imp$");
    ASSERT_FALSE(createExchangeFile(name));
    files::DbfTable table;
    ASSERT_FALSE(table.open(name, files::DbfTable::Access::Write));
    auto append = [&](std::string mark, std::string name1, std::string place) {
        files::DbfRecord r;
        r.values.resize(kExchangeFieldCount);
        r.values[ef::ADRNR] = mark;
        r.values[ef::NAME1] = name1;
        r.values[ef::ORT] = place;
        ASSERT_FALSE(table.append(r));
    };
    append("", "Müller KG", "");
    append("", "Neu GmbH", "");
    append("", "Gelöscht", "");
    append("7", "Schon markiert", "");
    append("", "Oxford", "London");
    ASSERT_FALSE(table.markDeleted(3));

    const CheckOutcome out = checkExchange(table, finder);
    EXPECT_TRUE(out.done);
    EXPECT_EQ(out.rowsChecked, 4u);
    EXPECT_EQ(out.rowsWithDuplicates, 2u);
    ASSERT_EQ(out.duplicates.size(), 3u);
    EXPECT_EQ(out.duplicates[0].row, 1u);
    EXPECT_EQ(out.duplicates[1].adrnr, 2);
    EXPECT_EQ(out.duplicates[2].row, 5u);
    EXPECT_EQ(out.duplicates[2].adrnr, 6);

    std::vector<std::string> marks;
    const std::vector<int> layout = exchangeLayout(table);
    files::DbfRecord record;
    for (std::uint32_t k = 1; k <= table.count(); ++k) {
        ASSERT_FALSE(table.read(k, record));
        marks.push_back(exchangeRow(layout, record)[ef::ADRNR]);
    }
    EXPECT_EQ(marks, (std::vector<std::string>{"1", "-1", "", "7", "5"}));
    EXPECT_EQ(checkMarkOf(marks[0]), CheckMark::Duplicates);
    EXPECT_EQ(checkMarkOf(marks[1]), CheckMark::Clean);
    EXPECT_EQ(checkMarkOf(marks[2]), CheckMark::Unchecked);
}

} // namespace
} // namespace velkora::exchange
