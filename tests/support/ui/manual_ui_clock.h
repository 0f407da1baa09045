// A UiClock for tests that stands still until the test advances it: the timers started through it time
// out only inside Advance, so what a window shows between two ticks can be checked however slow the
// machine is. Installed while it exists.
#pragma once

#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <vector>

#include "platform/ui/ui_clock.h"

namespace testsupport {

class ManualUiClock : public platform::UiClock {
public:
    ManualUiClock();
    ~ManualUiClock() override;
    ManualUiClock(const ManualUiClock&) = delete;
    ManualUiClock& operator=(const ManualUiClock&) = delete;

    // Moves the time on by `milliseconds`, timing out each timer that falls due on the way, in order.
    void Advance(std::int64_t milliseconds);

    std::int64_t NowMilliseconds() override { return now_; }
    void StartTimer(QTimer& timer, int milliseconds) override;

private:
    struct Started {
        QPointer<QTimer> timer;
        int timerId = 0;
        std::int64_t due = 0;
        int period = 0;
    };

    // The started timer that falls due first by `limit` and still runs as it was started, or null.
    Started* NextDue(std::int64_t limit);

    std::int64_t now_ = 0;
    std::vector<Started> started_;
};

}  // namespace testsupport
