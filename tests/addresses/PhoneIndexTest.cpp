#include "addresses/PhoneIndex.h"

#include <gtest/gtest.h>

namespace velkora {
namespace {

TEST(PhoneIndexTest, KeepsTheDigitsOnly) {
    EXPECT_EQ(TFX4TelFax("(089) 12 34-56"), "089123456");
    EXPECT_EQ(TFX4TelFax("+49 89 123456"), "4989123456") << "no prefix is added or removed";
    EXPECT_EQ(TFX4TelFax("089/1234-0 Durchwahl"), "08912340");
    EXPECT_EQ(TFX4TelFax("Zentrale"), "");
    EXPECT_EQ(TFX4TelFax(""), "");
    EXPECT_EQ(TFX4TelFax("\xEF\xBC\x91\xEF\xBC\x92 3"), "3") << "only the ASCII digits count";
    EXPECT_EQ(TFX4TelFax("(089) 12 34-56", 1, 1), "089123456") << "the options change nothing";
}

TEST(PhoneIndexTest, ReadsTheFirst31CharactersOnly) {
    EXPECT_EQ(TFX4TelFax("1234567890123456789012345678901234"), "1234567890123456789012345678901");
    EXPECT_EQ(TFX4TelFax(std::string(30, ' ') + "12"), "1");
    // Characters, not bytes: 29 umlauts are 58 bytes but leave two digits inside the limit.
    std::string umlauts;
    for (int i = 0; i < 29; ++i)
        umlauts += "ü";
    EXPECT_EQ(TFX4TelFax(umlauts + "123"), "12");
}

} // namespace
} // namespace velkora
