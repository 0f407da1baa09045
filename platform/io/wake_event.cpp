// An eventfd that wakes a thread blocked in poll().
#include "platform/io/wake_event.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace platform {

WakeEvent::WakeEvent() : fd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

void WakeEvent::Signal() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(fd(), &one, sizeof one);
}

void WakeEvent::Reset() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t read = ::read(fd(), &count, sizeof count);
}

}  // namespace platform
