#include "shared/Pictures.h"

#include "shared/Dates.h"

#include <gtest/gtest.h>

using namespace velkora;

struct NumberCase {
    const char* picture;
    double value;
    const char* shown;
};

class NumberPictures : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberPictures, FormatAsShown) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.picture, c.value), c.shown) << c.picture << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(Pictures, NumberPictures,
                         testing::Values(NumberCase{"N05", 42, "00042"}, NumberCase{"N05B", 0, "     "},
                                         NumberCase{"N05B", 7, "00007"}, NumberCase{"N02", 3, "03"},
                                         NumberCase{"N02", 123, "123"}, NumberCase{"N3", 5, "  5"},
                                         NumberCase{"@n3", 254, "254"}, NumberCase{"@n_6B", 0, "      "},
                                         NumberCase{"@n_6B", 12345, " 12345"},
                                         NumberCase{"@n-14", -1234567, "    -1.234.567"},
                                         NumberCase{"@n-14.2", 0, "          0,00"},
                                         NumberCase{"@n-14.2", 1234.5, "      1.234,50"},
                                         NumberCase{"@n-14", 42, "            42"}));

TEST(NumberPictures, TheEnvironmentMayNameOtherSeparators) {
    EXPECT_EQ(parseNumber("@n-14.2", "1.234,5"), 1234.5);
    setNumberSeparators('.', ',');
    EXPECT_EQ(formatNumber("@n-14.2", 1234.5), "      1,234.50");
    EXPECT_EQ(parseNumber("@n-14.2", "1,234.5"), 1234.5);
    setNumberSeparators(0, 0);
    EXPECT_EQ(formatNumber("@n-14.2", 0), "          0,00");
}

TEST(DatePictures, GermanShortDateAndBlankZero) {
    const std::int32_t day = dayNumber({2026, 12, 6});
    EXPECT_EQ(formatDate("@d17", day), "06.12.2026");
    EXPECT_EQ(formatDate("D17B", day), "06.12.2026");
    EXPECT_EQ(formatDate("@d17B", 0), "");
    EXPECT_EQ(parseDate("6.12.2026"), day);
    EXPECT_EQ(parseDate("06.12.26"), day);
    EXPECT_EQ(parseDate(""), 0);
    EXPECT_FALSE(parseDate("29.02.1900"));
    EXPECT_FALSE(parseDate("kein Datum"));
}

TEST(DatePictures, TheEnvironmentMayNameAnotherFormat) {
    setShortDateFormat("yyyy-MM-dd");
    const std::int32_t day = dayNumber({2000, 2, 29});
    EXPECT_EQ(formatDate("@d17", day), "2000-02-29");
    EXPECT_EQ(parseDate("2000-02-29"), day);
    setShortDateFormat("");
    EXPECT_EQ(formatDate("@d17", day), "29.02.2000");
}

TEST(TimePictures, HoursAndMinutes) {
    EXPECT_EQ(formatTime("T01", clockValue({9, 5, 30, 0})), "09:05");
    EXPECT_EQ(formatTime("T01B", 0), "");
    EXPECT_EQ(formatTime("T01", 0), "00:00");
    EXPECT_EQ(parseTime("9:05"), clockValue({9, 5, 0, 0}));
    EXPECT_FALSE(parseTime("25:00"));
}

TEST(TextPictures, CutToTheirWidthByCharacters) {
    EXPECT_EQ(formatValue("@s5", "Müllerstraße"), "Mülle");
    EXPECT_EQ(formatValue("@S20L", "kurz"), "kurz");
    EXPECT_EQ(formatValue("@n_6B", "0"), "      ");
    EXPECT_EQ(formatValue("@d17B", std::to_string(dayNumber({1801, 1, 1}))), "01.01.1801");
}
