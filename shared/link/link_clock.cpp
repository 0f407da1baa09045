// The link clock on the tick count.
#include "shared/link/link_clock.h"

#include <thread>

#include "platform/base/tick_count.h"

LinkClock::LinkClock(double speed)
    : speed_(speed > 0 ? speed : 1.0),
      start_(std::chrono::steady_clock::now()),
      start_ticks_(platform::TickCount()) {}

void LinkClock::SetSpeed(double speed) {
    const std::uint32_t now = Now() - offset_ms_.load();
    std::lock_guard lock(mutex_);
    start_ = std::chrono::steady_clock::now();
    start_ticks_ = now;
    speed_ = speed > 0 ? speed : 1.0;
}

double LinkClock::speed() const {
    std::lock_guard lock(mutex_);
    return speed_;
}

std::uint32_t LinkClock::Now() const {
    std::lock_guard lock(mutex_);
    const auto real = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_);
    return start_ticks_ + static_cast<std::uint32_t>(static_cast<std::uint64_t>(real.count() * speed_)) +
           offset_ms_.load();
}

std::chrono::milliseconds LinkClock::RealDuration(std::uint32_t ms) const {
    if (ms == 0) {
        return std::chrono::milliseconds(0);
    }
    const auto real = static_cast<std::int64_t>(ms / speed());
    return std::chrono::milliseconds(real > 0 ? real : 1);
}

void LinkClock::Sleep(std::uint32_t ms) const {
    std::this_thread::sleep_for(RealDuration(ms));
}

LinkClock& RealLinkClock() {
    static LinkClock clock;
    return clock;
}
