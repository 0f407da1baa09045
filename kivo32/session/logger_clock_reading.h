// The logger's clock read by the session thread for the user-interface thread, which waits for it: the
// link is used on the session thread only.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

struct CLoggerClockReading {
    // The logger's clock as local time; none when it could not be read.
    std::optional<std::int64_t> time;
    // Set by the session once `time` is final.
    std::atomic<bool> done{false};
};
