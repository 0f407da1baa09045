// A 32-bit millisecond tick count from a monotonic clock.
#include "platform/base/tick_count.h"

#include <chrono>

namespace platform {

std::uint32_t TickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    // Keeping the low 32 bits makes the counter wrap like the system's, about every 49.7 days.
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace platform
