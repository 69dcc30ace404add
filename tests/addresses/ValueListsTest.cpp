// The value lists the address and contact forms read from the work file,
// and how a typed position joins the recent ones.

#include "addresses/ValueLists.h"

#include "TempDir.h"
#include "shared/ProfileFile.h"

#include <gtest/gtest.h>

namespace velkora::addresses {
namespace {

using Names = std::vector<std::string>;

TEST(ValueListsTest, KindsDefaultToPersonalAndStopAtTheFirstGap) {
    test::TempDir dir;
    EXPECT_EQ(loadContactKinds(dir.write("ORB.INI", "")), Names{"Personal"});
    const std::string ini = dir.write("ORB.INI", "[ADRTKP]\nAdrKArt1=Chef\nAdrKArt2=Technik\nAdrKArt4=Weg\n");
    EXPECT_EQ(loadContactKinds(ini), (Names{"Chef", "Technik"}));
    EXPECT_EQ(entryName(loadContactKinds(ini), 2), "Technik");
    EXPECT_EQ(entryName(loadContactKinds(ini), 0), "");
    EXPECT_EQ(entryName(loadContactKinds(ini), 3), "");
}

TEST(ValueListsTest, SalutationsSkipGapsUpToTheNinth) {
    test::TempDir dir;
    const std::string ini = dir.write(
        "ORB.INI", "[ADRBRANR]\nBrAnr2=Sehr geehrte Damen und Herren,\nBrAnr9=Hallo,\nBrAnr10=Zu viel\n");
    EXPECT_EQ(loadSalutationTemplates(ini), (Names{"Sehr geehrte Damen und Herren,", "Hallo,"}));
}

TEST(ValueListsTest, ARememberedPositionGoesFirstOnce) {
    test::TempDir dir;
    const std::string ini = dir.write("ORB.INI", "[TKPABTPOS]\nAbtPos1=Einkauf\nAbtPos2=Vertrieb\n");
    rememberPosition(ini, "  ");
    rememberPosition(ini, "EINKAUF");
    EXPECT_EQ(loadRecentPositions(ini), (Names{"Einkauf", "Vertrieb"}));
    rememberPosition(ini, " Technik ");
    EXPECT_EQ(loadRecentPositions(ini), (Names{"Technik", "Einkauf", "Vertrieb"}));
}

TEST(ValueListsTest, TheNinthRememberedPositionFallsOff) {
    test::TempDir dir;
    std::string content = "[TKPABTPOS]\n";
    for (int n = 1; n <= 9; ++n)
        content += "AbtPos" + std::to_string(n) + "=P" + std::to_string(n) + "\n";
    const std::string ini = dir.write("ORB.INI", content);
    rememberPosition(ini, "Neu");
    const Names recent = loadRecentPositions(ini);
    ASSERT_EQ(recent.size(), 9u);
    EXPECT_EQ(recent.front(), "Neu");
    EXPECT_EQ(recent.back(), "P8");
}

TEST(ValueListsTest, FeatureLabels) {
    test::TempDir dir;
    const FeatureLabels labels = loadFeatureLabels(
        dir.write("ORB.INI", "[ADRMKM]\nAdrMkm1=Newsletter\nAdrMkm8=Messe\nAdrMkmN=Umsatz\n"));
    ASSERT_EQ(labels.flags.size(), 8u);
    EXPECT_EQ(labels.flags[0], "Newsletter");
    EXPECT_EQ(labels.flags[1], "");
    EXPECT_EQ(labels.flags[7], "Messe");
    EXPECT_EQ(labels.number, "Umsatz");
}

} // namespace
} // namespace velkora::addresses
