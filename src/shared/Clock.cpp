#include "shared/Clock.h"

#include <chrono>
#include <ctime>

namespace velkora {
namespace {

LocalDateTime systemNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto sinceSecond = now - std::chrono::system_clock::from_time_t(seconds);
    const int hundredths =
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceSecond).count() / 10);
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            {local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec, hundredths % 100}};
}

ClockSource& source() {
    static ClockSource current;
    return current;
}

} // namespace

void setClockSource(ClockSource newSource) {
    source() = std::move(newSource);
}

LocalDateTime localNow() {
    return source() ? source()() : systemNow();
}

std::int32_t today() {
    return dayNumber(localNow().date);
}

std::int32_t clockNow() {
    return clockValue(localNow().time);
}

FixedClock::FixedClock(LocalDateTime moment) : moment_(moment) {
    setClockSource([this] { return moment_; });
}

FixedClock::~FixedClock() {
    setClockSource({});
}

} // namespace velkora
