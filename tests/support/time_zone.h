// Runs a block of a test under a chosen time zone, and the zones the tests use.
#pragma once

#include <string>

namespace testsupport {

inline constexpr const char* kUtc = "UTC";
// A zone with daylight saving: clocks go forward on the second Sunday of March, back on the first
// Sunday of November.
inline constexpr const char* kNewYork = "America/New_York";

// Sets TZ for its lifetime and puts the previous value back afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const std::string& zone);
    ~ScopedTimeZone();
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    bool had_previous_;
    std::string previous_;
};

// Calls `block` with TZ set to `zone`.
template <typename Block>
void WithTimeZone(const std::string& zone, Block&& block) {
    ScopedTimeZone scope(zone);
    block();
}

}  // namespace testsupport
