// The time that timed windows count (timers and elapsed seconds), replaceable so that tests run fast.
#include "platform/ui/ui_clock.h"

#include <QTimer>
#include <atomic>
#include <chrono>

namespace platform {
namespace {

class RealUiClock : public UiClock {
public:
    std::int64_t NowMilliseconds() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void StartTimer(QTimer& timer, int milliseconds) override { timer.start(milliseconds); }
};

std::atomic<UiClock*> g_installed{nullptr};

}  // namespace

UiClock& CurrentUiClock() {
    static RealUiClock real;
    UiClock* installed = g_installed.load();
    return installed != nullptr ? *installed : real;
}

void InstallUiClock(UiClock* clock) {
    g_installed.store(clock);
}

}  // namespace platform
