// The clock the scheduler reads: "now" and the local time of a moment come from the same clock, and so
// does the period of the timer that polls the schedule, so that a clock running fast ticks fast.
#pragma once

#include <chrono>
#include <ctime>
#include <optional>
#include <string>

namespace teldrin {

// `local` in strftime's `format`; empty when there is no local time.
std::string FormatLocal(const std::optional<std::tm>& local, const char* format);

class SchedulerClock {
public:
    virtual ~SchedulerClock();
    virtual std::time_t Now() const = 0;
    // The local civil time of `time` (the C library's zone).
    virtual std::optional<std::tm> LocalTime(std::time_t time) const;
    // `time` as local time in strftime's `format`.
    std::string Format(std::time_t time, const char* format) const {
        return FormatLocal(LocalTime(time), format);
    }
    // How often the scheduler looks at the clock: one second of this clock.
    virtual std::chrono::milliseconds TickPeriod() const = 0;
};

// The system's clock, ticking once a second.
class SystemSchedulerClock final : public SchedulerClock {
public:
    std::time_t Now() const override;
    std::chrono::milliseconds TickPeriod() const override { return std::chrono::seconds(1); }
};

// The program's one system clock.
const SchedulerClock& SystemClock();

}  // namespace teldrin
