// A UiClock for tests that stands still until the test advances it.
#include "tests/support/ui/manual_ui_clock.h"

#include <QCoreApplication>
#include <QTimerEvent>
#include <algorithm>
#include <limits>

namespace testsupport {

ManualUiClock::ManualUiClock() {
    platform::InstallUiClock(this);
}

ManualUiClock::~ManualUiClock() {
    platform::InstallUiClock(nullptr);
}

void ManualUiClock::StartTimer(QTimer& timer, int milliseconds) {
    // Running, so that stop() and isActive() behave, but too slowly to ever time out by itself.
    timer.start(std::numeric_limits<int>::max());
    started_.push_back({&timer, timer.timerId(), now_ + std::max(milliseconds, 1), std::max(milliseconds, 1)});
}

ManualUiClock::Started* ManualUiClock::NextDue(std::int64_t limit) {
    // A timer that was deleted, stopped or started again since is forgotten.
    std::erase_if(started_, [](const Started& entry) {
        return entry.timer == nullptr || !entry.timer->isActive() || entry.timer->timerId() != entry.timerId;
    });
    const auto first = std::min_element(started_.begin(), started_.end(),
                                        [](const Started& a, const Started& b) { return a.due < b.due; });
    return first != started_.end() && first->due <= limit ? &*first : nullptr;
}

void ManualUiClock::Advance(std::int64_t milliseconds) {
    const std::int64_t end = now_ + milliseconds;
    while (Started* next = NextDue(end)) {
        now_ = next->due;
        next->due += next->period;
        // The timer's own event: a single-shot timer stops itself before it times out, as Qt does. The
        // slots may start timers, so `next` is not used past this point.
        QTimer* timer = next->timer;
        QTimerEvent event(next->timerId);
        QCoreApplication::sendEvent(timer, &event);
    }
    now_ = end;
}

}  // namespace testsupport
