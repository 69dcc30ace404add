#include "dialler/TelUri.h"

#include <gtest/gtest.h>

using velkora::dial::numberFromArgument;
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
    EXPECT_EQ(telUri("0089 1234"), "tel:00891234");
    EXPECT_EQ(telUri("+49 (89) 12 34-56"), "tel:+4989123456");
    EXPECT_EQ(telUri("0+49 89"), "tel:04989"); // a "+" after the prefix is no longer international
    EXPECT_EQ(telUri("*31#0891234"), "tel:*31%230891234");
    EXPECT_EQ(telUri("0800-FLOWERS 1"), "tel:08001");
}

TEST(TelUri, NothingButDialableCharactersReachTheHandler) {
    EXPECT_EQ(telUri("00\" ; rm -rf ~ \""), "tel:00");
    EXPECT_EQ(telUri("0$(touch x)`id`|&<>'\\"), "tel:0");
    EXPECT_EQ(telUri("1%0A2"), "tel:102");
    EXPECT_EQ(telUri(""), std::nullopt);
    EXPECT_EQ(telUri("\" ; rm -rf ~ \""), std::nullopt);
    EXPECT_EQ(telUri("*#"), std::nullopt);
}
