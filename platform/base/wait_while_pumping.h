// Waiting for a condition while still taking the thread's own message queue.
#pragma once

#include <atomic>
#include <chrono>
#include <deque>
#include <functional>

#include "platform/base/message.h"
#include "platform/base/message_queue.h"

namespace platform {

enum class WaitResult { Done, TimedOut, Stopped };

// Waits up to `timeout` for done(), looking again whenever a message arrives or the queue is woken.
// Each message that arrives meanwhile is offered to takeDuringWait (which may be empty): when it
// returns true the message was handled there (a cancel); otherwise the message is appended to
// `deferred`, in order, for the caller to dispatch after its current handler returns. Returns Stopped
// as soon as *stopRequested (when given) is set. For code on a plain thread; WorkerThread wraps it.
WaitResult WaitWhilePumping(MessageQueue& queue, std::deque<Message>& deferred,
                            const std::function<bool()>& done, std::chrono::milliseconds timeout,
                            const std::function<bool(Message&)>& takeDuringWait,
                            const std::atomic<bool>* stopRequested = nullptr);

}  // namespace platform
