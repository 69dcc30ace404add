#include "dialler/TelUri.h"

#include <gtest/gtest.h>

using velkora::dial::isInternationalNumber;
using velkora::dial::numberFromArgument;
using velkora::dial::plusNotation;
using velkora::dial::telUri;

TEST(NumberFromArgument, TakesTheTextBetweenTheQuotes) {
    EXPECT_EQ(numberFromArgument("\"0089 1234\""), "0089 1234");
    EXPECT_EQ(numberFromArgument("0089 1234"), "0089 1234");
    EXPECT_EQ(numberFromArgument("\"\""), "");
    EXPECT_EQ(numberFromArgument("\""), "\"");
    // Quotes inside the number are part of it; only the enclosing pair goes.
    EXPECT_EQ(numberFromArgument("\"00\" ; rm -rf ~ \"\""), "00\" ; rm -rf ~ \"");
}

TEST(TelUri, KeepsWhatAKeypadDials) {
    EXPECT_EQ(telUri("089 1234"), "tel:0891234");
    EXPECT_EQ(telUri("*31#0891234"), "tel:*31%230891234");
    EXPECT_EQ(telUri("0800-FLOWERS 1"), "tel:08001");
}

// Each notation people type must stay the number it names.
TEST(TelUri, EveryNotationDialsTheSameNumber) {
    EXPECT_EQ(telUri("+43 1 8654281"), "tel:+4318654281");
    EXPECT_EQ(telUri("+49 (0)89 1234-5"), "tel:+498912345"); // the trunk zero is not dialled from abroad
    EXPECT_EQ(telUri("+49(0) 89 12345"), "tel:+498912345");
    EXPECT_EQ(telUri("+49 (89) 12345"), "tel:+498912345");
    EXPECT_EQ(telUri(plusNotation("0049 89 12345")), "tel:+498912345");
    EXPECT_EQ(telUri(plusNotation("0049 (0)89 12345")), "tel:+498912345");
    EXPECT_EQ(telUri("089/12345"), "tel:08912345");
    EXPECT_EQ(telUri("(089) 12345"), "tel:08912345");
    EXPECT_EQ(telUri("(0)89 12345"), "tel:08912345"); // nationally the trunk zero is dialled
    EXPECT_EQ(telUri("  +49 89 12345"), "tel:+498912345");
}

TEST(TelUri, AnOutsideLinePrefixGoesBeforeAGlobalNumber) {
    EXPECT_EQ(telUri("0+43 1 8654281"), "tel:+4318654281");
    EXPECT_EQ(telUri("0089 1234"), "tel:00891234"); // the prefix 0 before 089 1234
    EXPECT_EQ(telUri("123+43 1"), "tel:+431");
    // More than a prefix before the "+": not a global number.
    EXPECT_EQ(telUri("089 1234 +5"), "tel:08912345");
    EXPECT_EQ(telUri("A+43 1"), "tel:431");
}

TEST(IsInternationalNumber, PlusOrDoubleZeroBeforeTheCountryCode) {
    EXPECT_TRUE(isInternationalNumber("+43 1 8654281"));
    EXPECT_TRUE(isInternationalNumber(" 0049 89 12345"));
    EXPECT_FALSE(isInternationalNumber("089 12345"));
    EXPECT_FALSE(isInternationalNumber("(089) 12345"));
    EXPECT_FALSE(isInternationalNumber("0 049"));
    EXPECT_FALSE(isInternationalNumber(""));
}

TEST(PlusNotation, WritesTheInternationalAccessCodeAsPlus) {
    EXPECT_EQ(plusNotation("0049 89 12345"), "+49 89 12345");
    EXPECT_EQ(plusNotation(" 0043-1-8654281"), "+43-1-8654281");
    EXPECT_EQ(plusNotation("+43 1 8654281"), "+43 1 8654281");
    EXPECT_EQ(plusNotation("089 12345"), "089 12345");
}

TEST(TelUri, NothingButDialableCharactersReachTheHandler) {
    EXPECT_EQ(telUri("0\" ; rm -rf ~ \""), "tel:0");
    EXPECT_EQ(telUri("0$(touch x)`id`|&<>'\\"), "tel:0");
    EXPECT_EQ(telUri("1%0A2"), "tel:102");
    EXPECT_EQ(telUri(""), std::nullopt);
    EXPECT_EQ(telUri("\" ; rm -rf ~ \""), std::nullopt);
    EXPECT_EQ(telUri("*#"), std::nullopt);
}
