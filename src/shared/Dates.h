#pragma once
// Day numbers and clock values as the record files store them.
// Day 4 is 1 January 1801 (a Thursday), so day % 7 is the weekday with
// 0 = Sunday; 0 means "no date". Clock values are hundredths of a second
// after midnight plus 1; 0 means "no time".

#include <cstdint>
#include <optional>

namespace velkora {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CivilDate&) const = default;
};

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int hundredths = 0;
    bool operator==(const ClockTime&) const = default;
};

inline constexpr int kFirstYear = 1801;
inline constexpr int kLastYear = 9999;

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidDate(const CivilDate& date);

// 0 when the date is not a valid date of the years 1801 to 9999.
std::int32_t dayNumber(const CivilDate& date);
// nullopt for 0 and for numbers outside the calendar's range.
std::optional<CivilDate> civilDate(std::int32_t dayNumber);
// 0 = Sunday ... 6 = Saturday.
int weekday(std::int32_t dayNumber);

// 0 when the time is out of range.
std::int32_t clockValue(const ClockTime& time);
std::optional<ClockTime> clockTime(std::int32_t clockValue);

} // namespace velkora
