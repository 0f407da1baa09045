// A 32-bit millisecond tick count from a monotonic clock, and comparisons that survive its wrap.
#pragma once

#include <cstdint>

namespace platform {

std::uint32_t TickCount();

// Milliseconds from `start` to `now`, correct across one wrap of the counter.
inline std::uint32_t TicksElapsed(std::uint32_t start, std::uint32_t now) {
    return now - start;
}

// True once `now` is at or past `deadline`, taking the nearer of the two ways round the counter
// (a deadline less than about 24.8 days away).
inline bool TickReached(std::uint32_t deadline, std::uint32_t now) {
    return static_cast<std::int32_t>(now - deadline) >= 0;
}

}  // namespace platform
