// A posted message on its way to a window, as a Qt event.
#include "platform/ui/message_event.h"

#include <utility>

namespace platform {

MessageEvent::MessageEvent(Message message) : QEvent(Type()), message_(std::move(message)) {}

QEvent::Type MessageEvent::Type() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace platform
