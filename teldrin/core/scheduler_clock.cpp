#include "teldrin/core/scheduler_clock.h"

#include "platform/base/local_time.h"

namespace teldrin {

std::string FormatLocal(const std::optional<std::tm>& local, const char* format) {
    char text[64] = {};
    if (local) {
        std::strftime(text, sizeof text, format, &*local);
    }
    return text;
}

SchedulerClock::~SchedulerClock() = default;

std::optional<std::tm> SchedulerClock::LocalTime(std::time_t time) const {
    return platform::ToLocalTime(time);
}

std::time_t SystemSchedulerClock::Now() const {
    return std::time(nullptr);
}

const SchedulerClock& SystemClock() {
    static const SystemSchedulerClock clock;
    return clock;
}

}  // namespace teldrin
