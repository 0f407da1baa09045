// A scheduler clock the test sets and moves; local times through the C library's zone, as the
// program's own.
#pragma once

#include <ctime>

#include "platform/base/local_time.h"
#include "teldrin/core/scheduler_clock.h"

namespace teldrintest {

class TestClock final : public teldrin::SchedulerClock {
public:
    std::time_t Now() const override { return now; }
    std::chrono::milliseconds TickPeriod() const override { return std::chrono::milliseconds(1); }

    std::time_t now = 0;
};

// The local time of the date and time given, in the zone of the moment.
inline std::time_t Local(int year, int month, int day, int hour, int minute, int second = 0) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return platform::FromLocalTime(time).value();
}

}  // namespace teldrintest
