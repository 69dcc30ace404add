#include "activities/CalendarMonth.h"

#include "shared/Dates.h"

#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::activities;

namespace {

int lastUsedCell(const MonthGrid& grid) {
    int last = 0;
    for (int cell = 0; cell < kCalendarCells; ++cell)
        if (grid.days[cell] != 0)
            last = cell + 1;
    return last;
}

std::int32_t day(int y, int m, int d) {
    return dayNumber({y, m, d});
}

} // namespace

TEST(CalendarGrid, FebruaryFollowsTheGregorianLeapYears) {
    EXPECT_EQ(lastUsedCell(monthGrid(2000, 2)) - 1, 29); // starts on Tuesday: one blank cell
    EXPECT_EQ(lastUsedCell(monthGrid(1900, 2)) - 3, 28); // Thursday
    EXPECT_EQ(lastUsedCell(monthGrid(2100, 2)), 28);     // Monday
}

TEST(CalendarGrid, AMonthStartingOnMondayFillsTheFirstRowFromTheFirstCell) {
    const MonthGrid june = monthGrid(2026, 6); // 1 June 2026 is a Monday
    EXPECT_EQ(june.days[0], 1);
    EXPECT_EQ(june.days[29], 30);
    EXPECT_EQ(june.days[30], 0);
    EXPECT_EQ(june.weeks, (std::array<int, kCalendarRows>{23, 24, 25, 26, 27, 0}));
}

TEST(CalendarGrid, ThirtyOneDaysFromSundayUseAllThirtySevenCells) {
    const MonthGrid march = monthGrid(2026, 3); // 1 March 2026 is a Sunday
    for (int cell = 0; cell < 6; ++cell)
        EXPECT_EQ(march.days[cell], 0);
    EXPECT_EQ(march.days[6], 1);
    EXPECT_EQ(march.days[36], 31);
    // Row 1 is the week of the 1st; row 6 holds the 30th and 31st.
    EXPECT_EQ(march.weeks, (std::array<int, kCalendarRows>{9, 10, 11, 12, 13, 14}));
}

TEST(CalendarGrid, TheFirstAndLastMonthsOfTheRange) {
    EXPECT_EQ(monthGrid(1801, 1).days[3], 1); // a Thursday
    EXPECT_EQ(monthGrid(1801, 1).weeks[0], 1);
    EXPECT_EQ(lastUsedCell(monthGrid(9999, 12)) - 2, 31); // starts on Wednesday
    EXPECT_EQ(monthGrid(9999, 12).weeks[4], 52);
}

TEST(IsoWeeks, YearEndsBelongToTheWeekOfTheirThursday) {
    EXPECT_EQ(isoWeek(day(2003, 12, 28)), 52);
    EXPECT_EQ(isoWeek(day(2003, 12, 29)), 1); // Monday of the week of 1 January 2004
    EXPECT_EQ(isoWeek(day(2004, 1, 1)), 1);
    EXPECT_EQ(isoWeek(day(2004, 12, 31)), 53);
    EXPECT_EQ(isoWeek(day(2005, 1, 1)), 53); // a Saturday, still in 2004's last week
    EXPECT_EQ(isoWeek(day(2005, 1, 2)), 53);
    EXPECT_EQ(isoWeek(day(2005, 1, 3)), 1);
    EXPECT_EQ(isoWeek(day(2020, 12, 31)), 53);
    EXPECT_EQ(isoWeek(day(2021, 1, 3)), 53);
    EXPECT_EQ(isoWeek(day(2021, 1, 4)), 1);
    EXPECT_EQ(monthGrid(2005, 1).weeks[0], 53);
    EXPECT_EQ(monthGrid(2003, 12).weeks[4], 1); // the row of 29 December
}

TEST(CalendarSteps, DaysAndMonthsWrapIntoTheNeighbouringYear) {
    EXPECT_EQ(stepDays(day(2026, 1, 1), -1).day, day(2025, 12, 31));
    EXPECT_EQ(stepDays(day(2026, 2, 25), 7).day, day(2026, 3, 4));
    EXPECT_EQ(stepMonths(day(2026, 1, 20), -1).day, day(2025, 12, 1));
    EXPECT_EQ(stepMonths(day(2026, 12, 20), 1).day, day(2027, 1, 1));
    EXPECT_EQ(stepMonths(day(2024, 2, 29), 12).day, day(2025, 2, 1));
    EXPECT_EQ(firstOfMonth(2026, 0).day, day(2025, 12, 1));
    EXPECT_EQ(firstOfMonth(2026, 13).day, day(2027, 1, 1));
}

TEST(CalendarSteps, StepsBeyond1801Or9999AreRefused) {
    const CalendarStep back = stepMonths(day(1801, 1, 15), -1);
    EXPECT_EQ(back.limit, CalendarLimit::BeforeFirstYear);
    EXPECT_EQ(back.day, 0);
    EXPECT_EQ(stepDays(day(1801, 1, 1), -1).limit, CalendarLimit::BeforeFirstYear);
    EXPECT_EQ(stepMonths(day(1801, 6, 1), -12).limit, CalendarLimit::BeforeFirstYear);
    EXPECT_EQ(firstOfMonth(1800, 12).limit, CalendarLimit::BeforeFirstYear);
    EXPECT_EQ(stepMonths(day(9999, 12, 1), 1).limit, CalendarLimit::AfterLastYear);
    EXPECT_EQ(stepDays(day(9999, 12, 28), 7).limit, CalendarLimit::AfterLastYear);
    EXPECT_EQ(firstOfMonth(10000, 1).limit, CalendarLimit::AfterLastYear);
    EXPECT_EQ(stepDays(day(9999, 12, 30), 1).limit, CalendarLimit::None);
    EXPECT_EQ(firstOfMonth(1801, 1).day, day(1801, 1, 1));
}
