// The activity value lists from the work file and the row texts built on them.

#include "activities/ActivityLists.h"

#include "TempDir.h"
#include "activities/ActivityTexts.h"
#include "shared/Dates.h"

#include <gtest/gtest.h>

namespace velkora::activities {
namespace {

TEST(ActivityLists, KindsEndAtTheFirstEmptyNameAndDefaultToTheWordDocument) {
    test::TempDir dir;
    const std::string ini = dir.write("ORB.INI", "[AKTART]\nAktArt1=Brief\nAktArt2=Anruf\nAktArt4=Besuch\n");
    const ValueList kinds = readKinds(ini);
    ASSERT_EQ(kinds.size(), 2u);
    EXPECT_EQ(entryName(kinds, 2), "Anruf");
    EXPECT_EQ(entryName(kinds, 3), ""); // a kind the list lacks shows blank
    EXPECT_EQ(entryName(kinds, 4), "");
    const ValueList defaults = readKinds(dir.file("missing.ini"));
    ASSERT_EQ(defaults.size(), 1u);
    EXPECT_EQ(defaults[0].name, "MS-Word Doc.");
    const ValueList priorities = readPriorities(dir.file("missing.ini"));
    ASSERT_EQ(priorities.size(), 3u);
    EXPECT_EQ(priorities[1].name, "Normal");
}

TEST(ActivityLists, TheKindChosenLastIsRememberedAndANewActivityStartsOnThree) {
    test::TempDir dir;
    const std::string ini = dir.write("ORB.INI", "[AKTART]\nAktArt1=Brief\n");
    EXPECT_EQ(rememberedKind(ini), 3);
    rememberKind(ini, 5);
    EXPECT_EQ(rememberedKind(ini), 5);
}

TEST(ActivityLocator, AKindIsFoundByItsFirstLettersRegardlessOfCase) {
    const ValueList kinds = {{1, "Brief"}, {2, "Anruf"}, {3, "Angebot"}};
    EXPECT_EQ(activityLocatorValues("AKT:AKTART", "ang", kinds), std::vector<std::string>{"3"});
    EXPECT_EQ(activityLocatorValues("AKT:AKTART", "AN", kinds), std::vector<std::string>{"2"});
    EXPECT_EQ(activityLocatorValues("AKT:AKTART", "x", kinds), std::vector<std::string>{"0"});
}

TEST(ActivityLocator, ADateLocatesAtTheStartOfThatDay) {
    const auto values = activityLocatorValues("AKT:DATUM", "24.12.2026", {});
    ASSERT_TRUE(values);
    EXPECT_EQ((*values)[0], std::to_string(dayNumber({2026, 12, 24})));
    EXPECT_EQ((*values)[1], "0");
    EXPECT_FALSE(activityLocatorValues("AKT:DATUM", "31.02.2026", {}));
    EXPECT_EQ(activityLocatorValues("AKT:TITLE", "Ang", {}), std::vector<std::string>{"Ang"});
}

TEST(ActivityTexts, LampsAddressAndRemark) {
    EXPECT_EQ(priorityLamp(1), RedLamp);
    EXPECT_EQ(priorityLamp(2), OrangeLamp);
    EXPECT_EQ(priorityLamp(3), YellowLamp);
    EXPECT_EQ(priorityLamp(254), LampOff);
    EXPECT_EQ(priorityLamp(0), LampOff);
    data::Address a;
    a.NAME1 = "Meier GmbH  ";
    a.NAME2 = "Technik";
    a.LD = "D";
    a.PLZ = "70173";
    a.ORT = "Stuttgart";
    a.STRASSE = "Königstr. 1";
    EXPECT_EQ(addressHeading(a), "Meier GmbH Technik, D 70173 Stuttgart");
    EXPECT_EQ(addressLine(a), "Meier GmbH Technik, D 70173 Stuttgart, Königstr. 1");
    EXPECT_EQ(remarkOnOneLine("eins\r\nzwei\r\ndrei"), "eins zwei drei");
    data::ContactPerson c;
    c.NAME1 = "Eva";
    c.NAME2 = "Berg";
    c.KTART = 2;
    c.ABTPOS = "Einkauf";
    EXPECT_EQ(contactLine(c, {"Chef", "Kontakt"}), "Eva Berg, Kontakt Einkauf");
    c.KTART = 0;
    EXPECT_EQ(contactLine(c, {"Chef", "Kontakt"}), "Eva Berg Einkauf");
}

} // namespace
} // namespace velkora::activities
