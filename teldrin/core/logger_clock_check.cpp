#include "teldrin/core/logger_clock_check.h"

#include <cmath>

#include "shared/common/calendar.h"

namespace teldrin {

std::optional<std::time_t> LoggerClockTime(const std::array<int, 6>& fields) {
    return LocalTimeFromFields(ExpandTwoDigitYear(fields[0]), fields[1], fields[2], fields[3], fields[4],
                               fields[5]);
}

bool LoggerClockNeedsSetting(std::time_t pcNow, std::time_t loggerClock) {
    return std::fabs(std::difftime(pcNow, loggerClock)) >= kClockTolerance;
}

}  // namespace teldrin
