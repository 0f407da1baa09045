// The time that timed windows count (timers and elapsed seconds), replaceable so that tests run fast.
#pragma once

#include <cstdint>

class QTimer;

namespace platform {

class UiClock {
public:
    virtual ~UiClock() = default;
    // Milliseconds of a monotonic clock.
    virtual std::int64_t NowMilliseconds() = 0;
    // Starts `timer` to time out every `milliseconds` of this clock (once when it is single-shot);
    // QTimer::stop and isActive work on it as usual.
    virtual void StartTimer(QTimer& timer, int milliseconds) = 0;
};

// The clock installed last, else the real one.
UiClock& CurrentUiClock();
// The caller keeps `clock` alive while it is installed; nullptr goes back to the real clock.
void InstallUiClock(UiClock* clock);

}  // namespace platform
