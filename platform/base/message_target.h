// Where posted messages go: a window (the user-interface layer implements it) or a queue.
#pragma once

#include "platform/base/message.h"
#include "platform/base/message_queue.h"

namespace platform {

class MessageTarget {
public:
    virtual ~MessageTarget();
    // Queues the message for the target's thread; false when the target can no longer take it.
    // Callable from any thread.
    virtual bool PostMessage(Message message) = 0;
};

// Posts into a MessageQueue, for headless use and tests.
class QueueMessageTarget : public MessageTarget {
public:
    explicit QueueMessageTarget(MessageQueue& queue) : queue_(queue) {}
    bool PostMessage(Message message) override;

private:
    MessageQueue& queue_;
};

}  // namespace platform
