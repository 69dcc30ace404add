// The address list's value lists from the work file and how a locator
// text becomes the values the list is positioned at.

#include "addresses/AddressLocator.h"

#include "TempDir.h"
#include "addresses/AddressQueues.h"

#include <gtest/gtest.h>

namespace velkora::addresses {
namespace {

TEST(AddressQueuesTest, StatusListDefaultsAndStopsAtTheFirstEmptyName) {
    test::TempDir dir;
    loadAddressQueues(dir.write("ORB.INI", "[DEFAULT]\n"));
    ASSERT_EQ(adrStatusQueue().size(), 5u);
    EXPECT_EQ(adrStatusQueue()[4].name, "Alarm");
    EXPECT_EQ(adrStatusQueue()[4].number, 5);
    ASSERT_EQ(adrArtQueue(), std::vector<std::string>{"Adr."});

    loadAddressQueues(dir.write("ORB.INI", "[ADRSTAT]\nAdrStatus4=\nAdrStatus5=Fünf\nAdrStatus6=Sechs\n"
                                           "[ADRART]\nAdrArt1=Kunde\nAdrArt2=Lieferant\n"));
    EXPECT_EQ(adrStatusQueue().size(), 3u);
    EXPECT_EQ(addressTypeName(2), "Lieferant");
    EXPECT_EQ(addressTypeName(0), " ");
    EXPECT_EQ(addressTypeName(3), " ");
    EXPECT_EQ(addressTypeStartingWith("k"), 1);
    EXPECT_EQ(addressTypeStartingWith("LIEF"), 2);
    EXPECT_EQ(addressTypeStartingWith("x"), 0);
}

TEST(AddressQueuesTest, ANameLongerThanItsFieldIsCut) {
    test::TempDir dir;
    loadAddressQueues(dir.write("ORB.INI", "[ADRART]\nAdrArt1=" + std::string(30, 'K') + "\n"));
    EXPECT_EQ(adrArtQueue().at(0).size(), 23u); // CSTRING(24) holds 23 characters
}

TEST(AddressLocatorTest, PostalCodeLocator) {
    struct Case {
        const char* text;
        const char* ld;
        const char* plz;
    };
    const Case cases[] = {
        {"12345", "D", "12345"}, // a number of the default country
        {"01234", "0", "1234"},  // a leading zero is a country code
        {"D 10115", "D", "10115"},
        {"DE 8000", "DE", "8000"},
        {" 10115", "", "10115"},           // a leading blank: no country
        {"NL 1234 AB99", "NL", "1234 AB"}, // the code is cut to 7
        {"CH", "C", "H"},
        {"0", "D", "0"},
        {"1234567890", "1", "2345678"}, // too long for a plain number
    };
    for (const Case& c : cases) {
        const CountryPostalCode split = splitPostalLocator(c.text, "D");
        EXPECT_EQ(split.ld, c.ld) << c.text;
        EXPECT_EQ(split.plz, c.plz) << c.text;
    }
}

TEST(AddressLocatorTest, LocatorFieldsOfTheAddressList) {
    using Values = std::vector<std::string>;
    EXPECT_EQ(*addressLocatorValues("ADR:ADRNR", "42abc", "D"), Values{"42"});
    EXPECT_EQ(*addressLocatorValues("ADR:ADRNR", "abc", "D"), Values{"0"});
    EXPECT_EQ(*addressLocatorValues("ADR:ORT", "Köln", "D"), Values{"Köln"});
    EXPECT_EQ(*addressLocatorValues("ADR:LD", "12345", "D"), (Values{"D", "12345"}));
    EXPECT_FALSE(addressLocatorValues("ADR:EKONT", "1.1.2020", "D"));

    test::TempDir dir;
    loadAddressQueues(dir.write("ORB.INI", "[ADRART]\nAdrArt1=Kunde\nAdrArt2=Lieferant\n"));
    EXPECT_EQ(*addressLocatorValues("ADR:ADRART", "li", "D"), Values{"2"});
}

} // namespace
} // namespace velkora::addresses
