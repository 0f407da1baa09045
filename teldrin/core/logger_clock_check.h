// Whether a call sets the logger's clock: when it is 15 seconds or more away from the PC's, comparing
// whole date-times (a logger a day off with the right time of day is set too).
#pragma once

#include <ctime>

namespace teldrin {

inline constexpr double kClockTolerance = 15.0;

// `loggerClock` is the logger's local date and time, all six fields read from it.
bool LoggerClockNeedsSetting(std::time_t pcNow, const std::tm& loggerClock);

}  // namespace teldrin
