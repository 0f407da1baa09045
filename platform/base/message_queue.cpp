// A thread-safe queue of posted messages that waiters can also be woken from.
#include "platform/base/message_queue.h"

#include <utility>

namespace platform {

void MessageQueue::Post(Message message) {
    // Notified under the lock: a waiter that takes the message may destroy the queue as soon as it has
    // it, and must not do so while this thread still signals the condition.
    std::lock_guard lock(mutex_);
    messages_.push_back(std::move(message));
    ++generation_;
    changed_.notify_all();
}

std::optional<Message> MessageQueue::Take(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, timeout, [this] { return !messages_.empty(); })) {
        return std::nullopt;
    }
    Message message = std::move(messages_.front());
    messages_.pop_front();
    return message;
}

std::optional<Message> MessageQueue::TryTake() {
    std::lock_guard lock(mutex_);
    if (messages_.empty()) {
        return std::nullopt;
    }
    Message message = std::move(messages_.front());
    messages_.pop_front();
    return message;
}

bool MessageQueue::Empty() const {
    std::lock_guard lock(mutex_);
    return messages_.empty();
}

std::size_t MessageQueue::Size() const {
    std::lock_guard lock(mutex_);
    return messages_.size();
}

void MessageQueue::Wake() {
    // Under the lock, as Post notifies.
    std::lock_guard lock(mutex_);
    ++generation_;
    changed_.notify_all();
}

std::uint64_t MessageQueue::Generation() const {
    std::lock_guard lock(mutex_);
    return generation_;
}

bool MessageQueue::WaitForChange(std::uint64_t seen, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return generation_ != seen; });
}

bool MessageQueue::WaitForChangeUntil(std::uint64_t seen, std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    return changed_.wait_until(lock, deadline, [&] { return generation_ != seen; });
}

}  // namespace platform
