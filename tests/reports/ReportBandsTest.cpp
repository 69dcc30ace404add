// Which bands the two reports print, in which order and with which lines.

#include "ReportsFixture.h"
#include "reports/ActivityListReport.h"
#include "reports/AddressListReport.h"
#include "reports/ReportText.h"
#include "shared/Text.h"

#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::reports;
using velkora::reports::test::ReportsData;

namespace {

// A band as one line: its kind and its texts, empty ones shown as "".
std::vector<std::string> bandsOf(const Report& report) {
    static const char* const kinds[] = {"ADR", "TKP", "AKTADR", "AKT", "MEMO"};
    std::vector<std::string> lines;
    for (const Band& band : report.bands) {
        std::string line = kinds[static_cast<int>(band.kind)];
        for (const std::string& text : band.texts)
            line += "|" + text;
        lines.push_back(line);
    }
    return lines;
}

TEST(MemoLines, KeepTheMemoLinesAndSplitLongOnesAtABlankWithin254Characters) {
    std::string paragraph;
    while (charCount(paragraph) < 600)
        paragraph += "Wörter ";
    const auto lines = memoLines("Erste Zeile\r\n\r\n" + paragraph + "\r\nLetzte\r\n\r\n");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Erste Zeile");
    EXPECT_EQ(lines[1], "");
    std::string joined;
    for (std::size_t i = 2; i < 5; ++i) {
        EXPECT_LE(charCount(lines[i]), 254u);
        EXPECT_NE(lines[i].back(), ' ');
        joined += (joined.empty() ? "" : " ") + lines[i];
    }
    EXPECT_EQ(joined, clip(paragraph));
    EXPECT_EQ(lines[5], "Letzte");
}

TEST(MemoLines, ALineWithoutBlanksIsCutAt254CharactersNeverInsideACharacter) {
    const std::string word = "ä" + std::string(253, 'x') + "ü" + std::string(10, 'y');
    const auto lines = memoLines(word);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(charCount(lines[0]), 254u);
    EXPECT_EQ(lines[1], "ü" + std::string(10, 'y'));
    EXPECT_TRUE(memoLines("").empty());
}

TEST(ReportText, PartsAreClippedAndJoinedByOneBlankWithoutGaps) {
    EXPECT_EQ(joinParts({"Müller GmbH   ", "", "Firma "}), "Müller GmbH Firma");
    EXPECT_EQ(labelled("Tel.", "  "), "");
    EXPECT_EQ(labelled("Tel.", "089 1 "), "Tel. 089 1");
}

class AddressListTest : public ::testing::Test, public ReportsData {};

TEST_F(AddressListTest, RowsInFileOrderEachWithItsContactsByKindAndARowWithoutContactsAlone) {
    auto first = mailingRow("12", "Zeta AG", "Bonn");
    first.NAME2 = "Vertrieb";
    first.NAME0 = "Firma";
    first.ZUSATZ = "Haus B";
    first.ADRART = "Kunde";
    first.URL = "www.zeta.de";
    first.BRANCHE = "EDV";
    const std::string list = writeMailing("KUNDEN", {first, mailingRow("3", "Alpha", "Köln")});
    addContacts({{12, 1, 4, "Berg", "Anna", "0228 1"}, {12, 2, 1, "Adler", "Bernd", ""}});
    AddressListReport without(list, "Kunden", false);
    ASSERT_TRUE(without.generateAll());
    EXPECT_EQ(bandsOf(without.report()),
              (std::vector<std::string>{
                  "ADR|Zeta AG Vertrieb Firma|D 10115 Bonn Weg 1 Haus B|Nr. 12|Kunde|www.zeta.de|EDV",
                  "ADR|Alpha|D 10115 Köln Weg 1|Nr. 3|||"}));

    AddressListReport with(list, "Kunden", true);
    ASSERT_TRUE(with.generateAll());
    EXPECT_EQ(with.report().title, "Kunden");
    EXPECT_EQ(
        bandsOf(with.report()),
        (std::vector<std::string>{
            "ADR|Zeta AG Vertrieb Firma|D 10115 Bonn Weg 1 Haus B|Nr. 12|Kunde|www.zeta.de|EDV",
            "TKP|Adler Bernd||||", "TKP|Berg Anna||Tel. 0228 1||", "ADR|Alpha|D 10115 Köln Weg 1|Nr. 3|||"}));
    EXPECT_EQ(with.percent(), 100.0);
    EXPECT_EQ(data::files().QXADRTKP.openCount(), 0);
}

TEST_F(AddressListTest, AMissingMailingFileIsToldAndPrintsNothing) {
    AddressListReport report(dir.file("MAIL/NIX"), "Nix", false);
    EXPECT_FALSE(report.generateAll());
    EXPECT_TRUE(report.report().bands.empty());
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_NE(prompter.prompts()[0].caption.find("NIX"), std::string::npos);
}

class ActivityListTest : public ::testing::Test, public ReportsData {
protected:
    ActivityListTest() {
        addAddress(1, "Meier", "Berlin");
        addAddress(2, "Schulz", "Bonn");
        addActivities({
            {1, 1, {2026, 3, 1}, "Angebot", 1, 1, "Kurz"},
            {2, 2, {2026, 3, 5}, "Rückruf", 2, 2},
            {3, 1, {2026, 3, 9}, "Besuch", 2, 3},
            {4, 2, {2026, 2, 3}, "Notiz", 1, 2},
        });
    }
    std::vector<std::string> run(ActivitySelection selection) {
        ActivityListReport report(std::move(selection), activities::readKinds(appState().WORKINI),
                                  activities::readPriorities(appState().WORKINI));
        EXPECT_TRUE(report.generateAll());
        return bandsOf(report.report());
    }
};

TEST_F(ActivityListTest, OneAddressPrintsItsActivitiesNewestFirstUnderOneAddressBand) {
    ActivitySelection s;
    s.adrnr = 1;
    s.title = "Meier";
    EXPECT_EQ(run(s), (std::vector<std::string>{"AKTADR|Meier|D 10115 Berlin, Weg 1",
                                                "AKT|09.03.2026|09:15|Besuch|Anruf||Niedrig",
                                                "AKT|01.03.2026|09:15|Angebot|Brief||Hoch"}));
}

TEST_F(ActivityListTest, AllAddressesGetABandEachTimeTheAddressChanges) {
    EXPECT_EQ(run({}),
              (std::vector<std::string>{
                  "AKTADR|Meier|D 10115 Berlin, Weg 1", "AKT|09.03.2026|09:15|Besuch|Anruf||Niedrig",
                  "AKT|01.03.2026|09:15|Angebot|Brief||Hoch", "AKTADR|Schulz|D 10115 Bonn, Weg 1",
                  "AKT|05.03.2026|09:15|Rückruf|Anruf||Normal", "AKT|03.02.2026|09:15|Notiz|Brief||Normal"}));
}

TEST_F(ActivityListTest, EachGivenDateBoundAppliesAndAMissingOneIsOpen) {
    ActivitySelection from;
    from.dateFrom = dayNumber({2026, 3, 5});
    const auto fromOn = run(from);
    ASSERT_EQ(fromOn.size(), 4u);
    EXPECT_NE(fromOn[1].find("Besuch"), std::string::npos);
    EXPECT_NE(fromOn[3].find("Rückruf"), std::string::npos);

    ActivitySelection upTo;
    upTo.dateTo = dayNumber({2026, 3, 1});
    const auto until = run(upTo);
    ASSERT_EQ(until.size(), 4u);
    EXPECT_NE(until[1].find("Angebot"), std::string::npos);
    EXPECT_NE(until[3].find("Notiz"), std::string::npos);

    ActivitySelection both = from;
    both.dateTo = dayNumber({2026, 3, 8});
    EXPECT_EQ(run(both), (std::vector<std::string>{"AKTADR|Schulz|D 10115 Bonn, Weg 1",
                                                   "AKT|05.03.2026|09:15|Rückruf|Anruf||Normal"}));
}

TEST_F(ActivityListTest, KindPriorityAndOneActivityNarrowTheListAndMemosFollowTheirActivity) {
    ActivitySelection kind;
    kind.kind = 1;
    kind.priority = 2;
    EXPECT_EQ(run(kind), (std::vector<std::string>{"AKTADR|Schulz|D 10115 Bonn, Weg 1",
                                                   "AKT|03.02.2026|09:15|Notiz|Brief||Normal"}));
    ActivitySelection one;
    one.aktid = 1;
    one.adrnr = 2; // the selected activity wins over the address
    one.memo = true;
    EXPECT_EQ(run(one), (std::vector<std::string>{"AKTADR|Meier|D 10115 Berlin, Weg 1",
                                                  "AKT|01.03.2026|09:15|Angebot|Brief||Hoch", "MEMO|Kurz"}));
}

} // namespace
