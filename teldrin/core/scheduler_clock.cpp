#include "teldrin/core/scheduler_clock.h"

#include "platform/base/local_time.h"

namespace teldrin {

SchedulerClock::~SchedulerClock() = default;

std::optional<std::tm> SchedulerClock::LocalTime(std::time_t time) const {
    return platform::ToLocalTime(time);
}

std::time_t SystemSchedulerClock::Now() const {
    return std::time(nullptr);
}

}  // namespace teldrin
