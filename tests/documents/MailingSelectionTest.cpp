#include "documents/MailingListName.h"
#include "documents/MailingSelection.h"

#include "data/expr/Evaluator.h"

#include <gtest/gtest.h>

namespace velkora::documents {
namespace {

MailingSelection statusOneToThree() {
    MailingSelection s;
    s.statusFrom = 1;
    s.statusTo = 3;
    return s;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(MailingSelection, StatusAloneIsTheWholeAddressCondition) {
    EXPECT_EQ(addressCondition(statusOneToThree()), "ADR:STATUS >= '1' AND ADR:STATUS <= '3'");
    EXPECT_EQ(contactCondition(statusOneToThree()), "");
}

TEST(MailingSelection, FeaturesJoinedInAscendingOrder) {
    MailingSelection s = statusOneToThree();
    s.features = true;
    s.feature[4] = s.feature[1] = true;
    s.featuresAnd = true;
    EXPECT_TRUE(endsWith(addressCondition(s), " AND (ADR:MERKM[2] = '1' AND ADR:MERKM[5] = '1')"));
    s.featuresAnd = false;
    s.featureNumber = 4;
    s.featureNumberCompare = Comparison::AtMost;
    EXPECT_TRUE(endsWith(addressCondition(s), " AND (ADR:MERKM[2] = '1' OR ADR:MERKM[5] = '1') AND ADR:MERKN <= 4"));
    // Boxes ticked without "Merkmale" select nothing more.
    s.features = false;
    EXPECT_EQ(addressCondition(s), "ADR:STATUS >= '1' AND ADR:STATUS <= '3'");
}

TEST(MailingSelection, ContactsWithOnlyEmail) {
    MailingSelection s;
    s.contacts = true;
    s.onlyEmail = true;
    EXPECT_EQ(contactCondition(s), "0 = 0 AND LEN(CLIP(TKP:EMAIL)) > 0");
    s.contactType = 3;
    s.onlyFax = true;
    EXPECT_EQ(contactCondition(s), "0 = 0 AND TKP:KTART = 3 AND LEN(CLIP(TKP:EMAIL)) > 0 AND LEN(CLIP(TKP:FAX)) > 0");
}

TEST(MailingSelection, EveryRangeInTheOrderOfTheSteps) {
    MailingSelection s = statusOneToThree();
    s.numberFrom = 10;
    s.numberTo = 20;
    s.nameFrom = "M  ";
    s.nameTo = "Mz";
    s.addressType = 2;
    s.industry = "EDV";
    s.country = "D";
    s.postalFrom = "80000";
    s.postalTo = "89999";
    s.firstContact = 80000;
    s.lastContact = 81000;
    s.lastContactCompare = Comparison::AtMost;
    EXPECT_EQ(addressCondition(s),
              "ADR:STATUS >= '1' AND ADR:STATUS <= '3' AND ADR:ADRNR >= 10 AND ADR:ADRNR <= 20"
              " AND UPPER(ADR:NAME1) >= UPPER('M') AND UPPER(ADR:NAME1) <= UPPER('Mz')"
              " AND ADR:ADRART = 2 AND ADR:BRANCHE = 'EDV' AND ADR:LD = 'D'"
              " AND UPPER(ADR:PLZ) >= UPPER('80000') AND UPPER(ADR:PLZ) <= UPPER('89999')"
              " AND ADR:EKONT >= 80000 AND ADR:LKONT <= 81000");
}

// The conditions as the run evaluates them, over one name and one department.
class SelectionEvaluation : public ::testing::Test {
protected:
    bool selects(const std::string& condition) { return evaluator.evaluate(condition) == "1"; }
    void SetUp() override {
        evaluator.bind("ADR:STATUS", status);
        evaluator.bind("ADR:NAME1", name);
        evaluator.bind("ADR:BRANCHE", industry);
        evaluator.bind("TKP:ABTPOS", department);
    }
    expr::Evaluator evaluator;
    std::int32_t status = 2;
    std::string name;
    std::string industry;
    std::string department;
};

TEST_F(SelectionEvaluation, AnApostropheStaysText) {
    MailingSelection s = statusOneToThree();
    s.nameFrom = s.nameTo = "O'Brien";
    name = "O'Brien";
    EXPECT_TRUE(selects(addressCondition(s)));
    EXPECT_EQ(evaluator.errorCode(), expr::ErrorCode::None);
    name = "OBrien";
    EXPECT_FALSE(selects(addressCondition(s)));

    // A typed text that tries to close the literal and widen the condition.
    s = statusOneToThree();
    s.industry = "X' OR '1' = '1";
    industry = "EDV";
    EXPECT_FALSE(selects(addressCondition(s)));
    industry = "X' OR '1' = '1";
    EXPECT_TRUE(selects(addressCondition(s)));
}

TEST_F(SelectionEvaluation, NameRangeAsTheListSorts) {
    MailingSelection s = statusOneToThree();
    s.nameFrom = "M";
    s.nameTo = "Mz";
    for (const char* inside : {"Müller", "meier", "MZ", "M"}) {
        name = inside;
        EXPECT_TRUE(selects(addressCondition(s))) << inside;
    }
    for (const char* outside : {"Lang", "Nagel", "Mzz"}) {
        name = outside;
        EXPECT_FALSE(selects(addressCondition(s))) << outside;
    }
}

TEST_F(SelectionEvaluation, DepartmentFoundRegardlessOfCase) {
    MailingSelection s;
    s.contacts = true;
    s.department = "verkauf";
    department = "Leitung Verkauf";
    EXPECT_TRUE(selects(contactCondition(s)));
    s.department = "Bob's";
    department = "BOB'S TEAM";
    EXPECT_TRUE(selects(contactCondition(s)));
    department = "Einkauf";
    EXPECT_FALSE(selects(contactCondition(s)));
}

TEST(MailingListName, TheNameRules) {
    using P = MailingListName::Problem;
    EXPECT_EQ(checkMailingListName("Kunden.dbf").name, "Kunden");
    EXPECT_EQ(checkMailingListName("Kunden.DBF  ").name, "Kunden");
    EXPECT_EQ(checkMailingListName("Kunden 2026").name, "Kunden 2026");
    EXPECT_EQ(checkMailingListName("Größe").name, "Größe");
    EXPECT_EQ(checkMailingListName("   ").problem, P::Empty);
    EXPECT_EQ(checkMailingListName("_MAIL1").problem, P::Invalid);
    EXPECT_EQ(checkMailingListName(std::string(40, 'a')).problem, P::None);
    EXPECT_EQ(checkMailingListName(std::string(41, 'a')).problem, P::Invalid);
    // Only a four-character extension is dropped; any other dot is refused.
    EXPECT_EQ(checkMailingListName("Kunden.db").problem, P::Invalid);
    EXPECT_EQ(checkMailingListName(".dbf").problem, P::Invalid);
    for (const char* bad : {"\\", ",", ".", ";", ":", "-", "+", "*", "=", "@", "<", ">", "/", "%", "&", "?", "!",
                            "\"", "\xC2\xA7", "'"})
        EXPECT_EQ(checkMailingListName(std::string("A") + bad + "B").problem, P::Invalid) << bad;
}

} // namespace
} // namespace velkora::documents
