#include "teldrin/core/logger_clock_check.h"

#include <cmath>

#include "platform/base/local_time.h"

namespace teldrin {

bool LoggerClockNeedsSetting(std::time_t pcNow, const std::tm& loggerClock) {
    const std::optional<std::time_t> logger = platform::FromLocalTime(loggerClock);
    // A date the C library cannot place is surely wrong.
    return !logger || std::fabs(std::difftime(pcNow, *logger)) >= kClockTolerance;
}

}  // namespace teldrin
