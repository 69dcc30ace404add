#include "shared/Dates.h"

#include "shared/Clock.h"

#include <gtest/gtest.h>

using namespace velkora;

TEST(DayNumbers, FirstOfJanuary1801IsDayFourAndAThursday) {
    EXPECT_EQ(dayNumber({1801, 1, 1}), 4);
    EXPECT_EQ(weekday(4), 4);
    EXPECT_EQ(weekday(0), 0); // day 0 falls on a Sunday
}

TEST(DayNumbers, LeapYearsFollowTheGregorianRules) {
    EXPECT_NE(dayNumber({2000, 2, 29}), 0);
    EXPECT_EQ(dayNumber({1900, 2, 29}), 0);
    EXPECT_EQ(dayNumber({2100, 2, 29}), 0);
    EXPECT_EQ(dayNumber({2024, 2, 29}) + 1, dayNumber({2024, 3, 1}));
}

TEST(DayNumbers, OutsideTheCalendarIsNoDate) {
    EXPECT_EQ(dayNumber({1800, 12, 31}), 0);
    EXPECT_EQ(dayNumber({10000, 1, 1}), 0);
    EXPECT_EQ(dayNumber({2026, 13, 1}), 0);
    EXPECT_EQ(dayNumber({2026, 4, 31}), 0);
    EXPECT_FALSE(civilDate(0));
    EXPECT_FALSE(civilDate(-5));
    EXPECT_TRUE(civilDate(dayNumber({9999, 12, 31})));
    EXPECT_FALSE(civilDate(dayNumber({9999, 12, 31}) + 1));
}

TEST(DayNumbers, RoundTripAndWeekdaysOverTheWholeRange) {
    const std::int32_t last = dayNumber({9999, 12, 31});
    for (std::int32_t day = 4; day <= last; day += 997) {
        const auto date = civilDate(day);
        ASSERT_TRUE(date);
        EXPECT_EQ(dayNumber(*date), day);
    }
    EXPECT_EQ(weekday(dayNumber({2026, 12, 6})), 0); // a Sunday
}

TEST(ClockValues, HundredthsAfterMidnightPlusOne) {
    EXPECT_EQ(clockValue({0, 0, 0, 0}), 1);
    EXPECT_EQ(clockValue({23, 59, 59, 99}), 8640000);
    EXPECT_EQ(clockValue({24, 0, 0, 0}), 0);
    EXPECT_EQ(clockTime(clockValue({13, 45, 12, 7})), (ClockTime{13, 45, 12, 7}));
    EXPECT_FALSE(clockTime(0));
}

TEST(Clock, AFixedClockGivesTodayAndNow) {
    FixedClock clock({{2026, 12, 6}, {9, 30, 0, 0}});
    EXPECT_EQ(today(), dayNumber({2026, 12, 6}));
    EXPECT_EQ(clockNow(), clockValue({9, 30, 0, 0}));
    clock.set({{2000, 2, 29}, {0, 0, 0, 0}});
    EXPECT_EQ(today(), dayNumber({2000, 2, 29}));
}
