// Whether a call sets the logger's clock: when it is 15 seconds or more away from the PC's, comparing
// whole date-times (a logger a day off with the right time of day is set too).
#pragma once

#include <array>
#include <ctime>
#include <optional>

namespace teldrin {

inline constexpr double kClockTolerance = 15.0;

// The logger's clock as its object read it: year (two digits, or four once a universal-time clock was
// turned into local time), month, day, hour, minute, second of local time. nullopt when the fields
// name no moment: such a clock was not read.
std::optional<std::time_t> LoggerClockTime(const std::array<int, 6>& fields);

bool LoggerClockNeedsSetting(std::time_t pcNow, std::time_t loggerClock);

}  // namespace teldrin
