#include "activities/CalendarMonth.h"

#include "shared/Dates.h"

namespace velkora::activities {
namespace {

CalendarStep limited(int year) {
    return {0, year < kFirstYear ? CalendarLimit::BeforeFirstYear : CalendarLimit::AfterLastYear};
}

} // namespace

MonthGrid monthGrid(int year, int month) {
    MonthGrid grid;
    const std::int32_t first = dayNumber({year, month, 1});
    if (first == 0)
        return grid;
    // Monday first: a month starting on Sunday leaves six cells blank.
    const int offset = (weekday(first) + 6) % kDaysPerWeek;
    const int days = daysInMonth(year, month);
    for (int cell = 0; cell < kCalendarCells; ++cell) {
        const int day = cell + 1 - offset;
        grid.days[cell] = day >= 1 && day <= days ? day : 0;
    }
    grid.weeks[0] = isoWeek(first);
    for (int row = 1; row < kCalendarRows; ++row)
        if (const int day = grid.days[row * kDaysPerWeek]; day != 0)
            grid.weeks[row] = isoWeek(first + day - 1);
    return grid;
}

int isoWeek(std::int32_t day) {
    // A week belongs to the year of its Thursday.
    const int mondayBased = (weekday(day) + 6) % kDaysPerWeek;
    const std::int32_t thursday = day - mondayBased + 3;
    const auto date = civilDate(thursday);
    if (!date)
        return 0;
    return (thursday - dayNumber({date->year, 1, 1})) / kDaysPerWeek + 1;
}

CalendarStep stepDays(std::int32_t from, int days) {
    const std::int32_t to = from + days;
    if (civilDate(to))
        return {to, CalendarLimit::None};
    return limited(days < 0 ? kFirstYear - 1 : kLastYear + 1);
}

CalendarStep stepMonths(std::int32_t from, int months) {
    const auto date = civilDate(from);
    if (!date)
        return {};
    return firstOfMonth(date->year, date->month + months);
}

CalendarStep firstOfMonth(int year, int month) {
    // Months counted from year 0 so that any step wraps into 1..12.
    const int months = year * 12 + month - 1;
    const int y = months / 12;
    const int m = months % 12 + 1;
    if (y < kFirstYear || y > kLastYear)
        return limited(y);
    return {dayNumber({y, m, 1}), CalendarLimit::None};
}

} // namespace velkora::activities
