// A UiClock for tests: the time is what the test sets, and timers fire `speedUp` times sooner.
// Installed while it exists.
#pragma once

#include <QTimer>
#include <algorithm>
#include <atomic>

#include "platform/ui/ui_clock.h"

namespace testsupport {

class TestUiClock : public platform::UiClock {
public:
    explicit TestUiClock(int speedUp) : speed_up_(speedUp) { platform::InstallUiClock(this); }
    ~TestUiClock() override { platform::InstallUiClock(nullptr); }
    TestUiClock(const TestUiClock&) = delete;
    TestUiClock& operator=(const TestUiClock&) = delete;

    void SetNow(std::int64_t milliseconds) { now_ = milliseconds; }

    std::int64_t NowMilliseconds() override { return now_; }
    void StartTimer(QTimer& timer, int milliseconds) override {
        timer.start(std::max(1, milliseconds / speed_up_));
    }

private:
    int speed_up_;
    std::atomic<std::int64_t> now_{0};
};

}  // namespace testsupport
