#include "shared/Dates.h"

namespace velkora {
namespace {

// Days from 1 March of year 0 (proleptic Gregorian), Howard Hinnant's method.
std::int64_t daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy =
        (153u * static_cast<unsigned>(m + (m > 2 ? -3 : 9)) + 2u) / 5u + static_cast<unsigned>(d) - 1u;
    const unsigned doe = yoe * 365u + yoe / 4u - yoe / 100u + doy;
    return era * 146097 + static_cast<std::int64_t>(doe);
}

CivilDate civilFromDays(std::int64_t z) {
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460u + doe / 36524u - doe / 146096u) / 365u;
    const unsigned doy = doe - (365u * yoe + yoe / 4u - yoe / 100u);
    const unsigned mp = (5u * doy + 2u) / 153u;
    const int d = static_cast<int>(doy - (153u * mp + 2u) / 5u + 1u);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400) + (m <= 2);
    return {y, m, d};
}

const std::int64_t kEpoch = daysFromCivil(1801, 1, 1) - 4; // day number 0

} // namespace

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isValidDate(const CivilDate& date) {
    return date.year >= kFirstYear && date.year <= kLastYear && date.day >= 1 &&
           date.day <= daysInMonth(date.year, date.month);
}

std::int32_t dayNumber(const CivilDate& date) {
    if (!isValidDate(date))
        return 0;
    return static_cast<std::int32_t>(daysFromCivil(date.year, date.month, date.day) - kEpoch);
}

std::optional<CivilDate> civilDate(std::int32_t number) {
    if (number < 4)
        return std::nullopt;
    const CivilDate date = civilFromDays(kEpoch + number);
    if (date.year > kLastYear)
        return std::nullopt;
    return date;
}

int weekday(std::int32_t number) {
    return ((number % 7) + 7) % 7;
}

std::int32_t clockValue(const ClockTime& t) {
    if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59 ||
        t.hundredths < 0 || t.hundredths > 99)
        return 0;
    return ((t.hour * 60 + t.minute) * 60 + t.second) * 100 + t.hundredths + 1;
}

std::optional<ClockTime> clockTime(std::int32_t value) {
    if (value < 1 || value > 8640000)
        return std::nullopt;
    std::int32_t h = value - 1;
    ClockTime t;
    t.hundredths = h % 100;
    h /= 100;
    t.second = h % 60;
    h /= 60;
    t.minute = h % 60;
    t.hour = h / 60;
    return t;
}

} // namespace velkora
