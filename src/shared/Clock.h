#pragma once
// The one source of "today" and "now". Tests replace it to run on any date.

#include "shared/Dates.h"

#include <cstdint>
#include <functional>

namespace velkora {

struct LocalDateTime {
    CivilDate date;
    ClockTime time;
};

using ClockSource = std::function<LocalDateTime()>;

// Installs a clock; an empty function restores the system's local time.
void setClockSource(ClockSource source);
LocalDateTime localNow();

// Today's day number and the current clock value.
std::int32_t today();
std::int32_t clockNow();

// Fixes the clock at one moment for as long as it lives (tests).
class FixedClock {
public:
    explicit FixedClock(LocalDateTime moment);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;
    void set(LocalDateTime moment) { moment_ = moment; }

private:
    LocalDateTime moment_;
};

} // namespace velkora
