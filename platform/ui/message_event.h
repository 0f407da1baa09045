// A posted message on its way to a window, as a Qt event.
#pragma once

#include <QEvent>

#include "platform/base/message.h"

namespace platform {

class MessageEvent : public QEvent {
public:
    explicit MessageEvent(Message message);

    // The event type, registered with Qt once.
    static QEvent::Type Type();

    Message& message() { return message_; }

private:
    Message message_;
};

}  // namespace platform
