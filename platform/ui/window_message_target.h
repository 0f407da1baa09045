// The MessageTarget of a window: messages posted from any thread reach a handler on the window's thread.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "platform/base/message_target.h"

namespace platform {

class WindowMessageTarget : public MessageTarget {
public:
    using Handler = std::function<void(Message&)>;

    // Call on `window`'s thread. Each posted message is handed to `handler` there, in the order posted,
    // while `window` lives; once it is gone, PostMessage refuses (and frees) what it is given. Senders
    // keep the returned pointer, never the window.
    static std::shared_ptr<WindowMessageTarget> Create(QObject* window, Handler handler);

    bool PostMessage(Message message) override;

private:
    struct Link;
    class Receiver;

    explicit WindowMessageTarget(std::shared_ptr<Link> link);

    std::shared_ptr<Link> link_;
};

}  // namespace platform
