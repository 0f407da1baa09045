// Where posted messages go: a window (the user-interface layer implements it) or a queue.
#include "platform/base/message_target.h"

#include <utility>

namespace platform {

MessageTarget::~MessageTarget() = default;

bool QueueMessageTarget::PostMessage(Message message) {
    queue_.Post(std::move(message));
    return true;
}

}  // namespace platform
