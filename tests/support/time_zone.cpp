// Runs a block of a test under a chosen time zone.
#include "tests/support/time_zone.h"

#include <cstdlib>
#include <ctime>

namespace testsupport {

ScopedTimeZone::ScopedTimeZone(const std::string& zone) {
    const char* previous = std::getenv("TZ");
    had_previous_ = previous != nullptr;
    if (had_previous_) {
        previous_ = previous;
    }
    ::setenv("TZ", zone.c_str(), 1);
    ::tzset();
}

ScopedTimeZone::~ScopedTimeZone() {
    if (had_previous_) {
        ::setenv("TZ", previous_.c_str(), 1);
    } else {
        ::unsetenv("TZ");
    }
    ::tzset();
}

}  // namespace testsupport
