// The time that timed windows count (timers and elapsed seconds), replaceable so that tests run fast.
#pragma once

#include <cstdint>

namespace platform {

class UiClock {
public:
    virtual ~UiClock() = default;
    // Milliseconds of a monotonic clock.
    virtual std::int64_t NowMilliseconds() = 0;
    // The real period of a timer that asks for `milliseconds`.
    virtual int TimerPeriod(int milliseconds) = 0;
};

// The clock installed last, else the real one.
UiClock& CurrentUiClock();
// The caller keeps `clock` alive while it is installed; nullptr goes back to the real clock.
void InstallUiClock(UiClock* clock);

}  // namespace platform
