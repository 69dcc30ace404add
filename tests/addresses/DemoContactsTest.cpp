// The contact persons of the demo workspace: what the lists, letters and
// e-mails make of them is what a newcomer judges the program by.

#include "TempDir.h"
#include "addresses/Salutation.h"
#include "data/DemoData.h"
#include "data/RecordFile.h"
#include "data/Tables.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"

#include <gtest/gtest.h>
#include <regex>

namespace velkora {
namespace {

// An address as mail programs take it: dot-separated words before the "@",
// dot-separated labels after it (no empty word or label, at least two labels).
bool isValidEmail(const std::string& address) {
    static const std::regex valid(
        R"([A-Za-z0-9_+-]+(\.[A-Za-z0-9_+-]+)*@[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)"
        R"((\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)+)");
    return std::regex_match(address, valid);
}

TEST(DemoContacts, EmailCheckTellsValidFromInvalid) {
    EXPECT_TRUE(isValidEmail("eva.wolf@mail.example"));
    EXPECT_TRUE(isValidEmail("jana.mueller-luedenscheidt@zeilinger.example"));
    for (const char* invalid : {"dr..andreas.voss@mail.example", ".eva@mail.example", "eva.@mail.example",
                                "ruth.hoffmann@Einkauf", "eva wolf@mail.example", "eva@mail..example", "eva"})
        EXPECT_FALSE(isValidEmail(invalid)) << invalid;
}

class DemoContactsTest : public testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        appState().DATAPATH = dir.str();
        appState().INITPATH = dir.str();
        std::string error;
        ASSERT_TRUE(data::seedDemoData(test::sourceDir() + "/resources/demo/seed", error)) << error;
        ASSERT_EQ(contacts.open(), data::NoError);
        contacts.set();
    }

    test::TempDir dir;
    data::File<data::ContactPerson> contacts;
    const std::string workFile = test::sourceDir() + "/resources/demo/ORB.INI";
};

TEST_F(DemoContactsTest, EveryEmailAddressIsValid) {
    int checked = 0;
    while (contacts.next() == data::NoError) {
        ++checked;
        EXPECT_TRUE(isValidEmail(contacts.rec.EMAIL)) << contacts.rec.NAME1 << ": " << contacts.rec.EMAIL;
    }
    EXPECT_GT(checked, 40);
}

// Name 1 holds the surname: the list sorts by it and the salutations name it.
TEST_F(DemoContactsTest, SalutationsNameTheSurname) {
    while (contacts.next() == data::NoError) {
        const auto& c = contacts.rec;
        // The stored salutation was written for the person: it ends with title and surname.
        const std::string addressed =
            FormatName("<#F:NAME0#> <#F:NAME1#>", c.NAME0, c.NAME1, c.NAME2, c.ZUSATZ);
        EXPECT_TRUE(c.BRANR.ends_with(" " + addressed)) << c.BRANR << " / " << addressed;
    }
    contacts.rec.ADRNR = 1;
    contacts.rec.TKPNR = 1;
    ASSERT_EQ(contacts.get(*data::ContactPerson::table().key("QXADRTK1")), data::NoError);
    const std::string toHer = profile::read(workFile, "ADRBRANR", "BrAnr4");
    EXPECT_EQ(FormatName(toHer, contacts.rec.NAME0, contacts.rec.NAME1, contacts.rec.NAME2, ""),
              "Sehr geehrte Frau Wolf,");
    const std::string byFirstName = profile::read(workFile, "ADRBRANR", "BrAnr5");
    EXPECT_EQ(FormatName(byFirstName, contacts.rec.NAME0, contacts.rec.NAME1, contacts.rec.NAME2, ""),
              "Liebe(r) Eva,");
}

} // namespace
} // namespace velkora
