// A thread-safe queue of posted messages that waiters can also be woken from.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

#include "platform/base/message.h"

namespace platform {

class MessageQueue {
public:
    void Post(Message message);

    // The oldest message, waiting up to `timeout` for one; nullopt when none came.
    std::optional<Message> Take(std::chrono::milliseconds timeout);
    std::optional<Message> TryTake();
    bool Empty() const;
    std::size_t Size() const;

    // Wakes every waiter so it looks again at a condition another thread changed (a read thread that
    // appended bytes).
    void Wake();

    // A counter that every Post and Wake advances. Read it, check your condition, then
    // WaitForChange(seen): a change in between is never missed.
    std::uint64_t Generation() const;
    // Waits until the counter differs from `seen` or `timeout` (or `deadline`) passes; true when it
    // changed.
    bool WaitForChange(std::uint64_t seen, std::chrono::milliseconds timeout);
    bool WaitForChangeUntil(std::uint64_t seen, std::chrono::steady_clock::time_point deadline);

    // Waits until done() is true, looking again at every Post or Wake; false on time-out. done() runs
    // on the calling thread, without the queue's lock held.
    template <class Pred>
    bool WaitUntil(Pred done, std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            const std::uint64_t seen = Generation();
            if (done()) {
                return true;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                return false;
            }
            WaitForChangeUntil(seen, deadline);
        }
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Message> messages_;
    std::uint64_t generation_ = 0;
};

}  // namespace platform
