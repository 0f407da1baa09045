// PollWaits: poll on the descriptor until it is ready or the step's limit passed.
#include "tests/shared/link/poll_waits.h"

#include <errno.h>
#include <poll.h>

#include <algorithm>
#include <cstdint>

#include "shared/link/link_clock.h"

void PollWaits::BeginStep(std::chrono::milliseconds limit) {
    deadline_ =
        std::chrono::steady_clock::now() + clock_.RealDuration(static_cast<std::uint32_t>(limit.count()));
}

bool PollWaits::WaitReady(int fd, bool forWriting) {
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline_ - std::chrono::steady_clock::now());
        pollfd watch{fd, static_cast<short>(forWriting ? POLLOUT : POLLIN), 0};
        const int ready = ::poll(&watch, 1, static_cast<int>(std::max<std::int64_t>(0, left.count())));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        return ready > 0;
    }
}
