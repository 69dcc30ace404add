#pragma once
// The calendar's month page without a window: the 37 day cells of a month
// (Monday first), the ISO 8601 week of each of the six rows, and the steps
// the keys and spin fields take, kept within the years 1801 to 9999.

#include <array>
#include <cstdint>

namespace velkora::activities {

inline constexpr int kCalendarCells = 37;
inline constexpr int kCalendarRows = 6;
inline constexpr int kDaysPerWeek = 7;

// A label of the calendar: its design name and its design text, which the
// language's table translates ("P.02_" + text).
struct CalendarLabel {
    const char* name;
    const char* text;
};
// The weekday headings, Monday first.
inline constexpr CalendarLabel kWeekdayLabels[kDaysPerWeek] = {
    {"STRINGMO", "Mo"}, {"STRINGTU", "Di"}, {"STRINGWE", "Mi"}, {"STRINGTH", "Do"},
    {"STRINGFR", "Fr"}, {"STRINGSA", "Sa"}, {"STRINGSU", "So"}};
// The month labels, whose texts are the month names.
inline constexpr CalendarLabel kMonthLabels[12] = {
    {"JAN", "Januar"},    {"FEB", "Februar"}, {"MAR", "Maerz"},    {"APR", "April"},
    {"MAI", "Mai"},       {"JUN", "Juni"},    {"JUL", "Juli"},     {"AUG", "August"},
    {"SEP", "September"}, {"OKT", "Oktober"}, {"NOV", "November"}, {"DEZ", "Dezember"}};

struct MonthGrid {
    // The day of the month each cell shows; 0 for a blank cell.
    std::array<int, kCalendarCells> days{};
    // The ISO week of each row's first day (the 1st in row 1); 0 for a blank row.
    std::array<int, kCalendarRows> weeks{};
};

// The grid of `month` (1..12) of `year` (1801..9999).
MonthGrid monthGrid(int year, int month);

// The ISO 8601 week of a day number: weeks start on Monday and week 1 holds
// the year's first Thursday, so 29 December 2003 is in week 1 and
// 1 January 2005 in week 53.
int isoWeek(std::int32_t dayNumber);

// Which end of the years 1801 to 9999 a step would have passed.
enum class CalendarLimit { None, BeforeFirstYear, AfterLastYear };

struct CalendarStep {
    std::int32_t day = 0; // the new current date; 0 when the step passed a limit
    CalendarLimit limit = CalendarLimit::None;
};

// `days` before (negative) or after the day `from`.
CalendarStep stepDays(std::int32_t from, int days);
// The 1st of the month `months` before or after the month of `from`.
CalendarStep stepMonths(std::int32_t from, int months);
// The 1st of `month` of `year`; month 0 is December of the year before and
// month 13 January of the year after, as the spin field wraps.
CalendarStep firstOfMonth(int year, int month);

} // namespace velkora::activities
