// Waiting for a condition while still taking the thread's own message queue.
#include "platform/base/wait_while_pumping.h"

#include <utility>

namespace platform {

WaitResult WaitWhilePumping(MessageQueue& queue, std::deque<Message>& deferred,
                            const std::function<bool()>& done, std::chrono::milliseconds timeout,
                            const std::function<bool(Message&)>& takeDuringWait,
                            const std::atomic<bool>* stopRequested) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        // Read before looking, so that a Post or Wake after the look ends the wait below at once.
        const std::uint64_t seen = queue.Generation();
        while (auto message = queue.TryTake()) {
            if (!takeDuringWait || !takeDuringWait(*message)) {
                deferred.push_back(std::move(*message));
            }
        }
        // A message just taken (a cancel) may have settled the wait.
        if (stopRequested != nullptr && stopRequested->load()) {
            return WaitResult::Stopped;
        }
        if (done()) {
            return WaitResult::Done;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return WaitResult::TimedOut;
        }
        queue.WaitForChangeUntil(seen, deadline);
    }
}

}  // namespace platform
