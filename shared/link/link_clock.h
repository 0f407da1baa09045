// The clock the links measure and wait by: the 32-bit tick count, which tests run faster and jump
// ahead so that no test waits for a real protocol time-out.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>

class LinkClock {
public:
    // `speed` link milliseconds pass per real millisecond (1 in the programs).
    explicit LinkClock(double speed = 1.0);

    // Milliseconds, wrapping like the tick count.
    std::uint32_t Now() const;
    // Moves the clock on by `ms` at once (tests: a link left idle).
    void Advance(std::uint32_t ms) { offset_ms_.fetch_add(ms); }
    // The real time that `ms` of link time take (at least 1 ms for a non-zero time).
    std::chrono::milliseconds RealDuration(std::uint32_t ms) const;
    void Sleep(std::uint32_t ms) const;

    // Runs the clock at another speed from now on; Now() goes on from where it is.
    void SetSpeed(double speed);
    double speed() const;

private:
    mutable std::mutex mutex_;
    double speed_;
    std::chrono::steady_clock::time_point start_;
    std::uint32_t start_ticks_;
    std::atomic<std::uint32_t> offset_ms_{0};
};

// The clock of the programs, at real speed.
LinkClock& RealLinkClock();
