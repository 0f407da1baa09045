// The MessageTarget of a window: messages posted from any thread reach a handler on the window's thread.
#include "platform/ui/window_message_target.h"

#include <QCoreApplication>
#include <mutex>
#include <utility>

#include "platform/ui/message_event.h"

namespace platform {

// What the target and the receiver share: the receiver while it lives.
struct WindowMessageTarget::Link {
    std::mutex mutex;
    QObject* receiver = nullptr;
};

// A child of the window that takes the message events; it dies with the window.
class WindowMessageTarget::Receiver : public QObject {
public:
    Receiver(QObject* window, std::shared_ptr<Link> link, Handler handler)
        : QObject(window), link_(std::move(link)), handler_(std::move(handler)) {
        link_->receiver = this;
    }

    // Runs on the window's thread; from here on no post can reach this object. Events already queued
    // for it are dropped (and their payloads freed) by QObject's own destructor.
    ~Receiver() override {
        std::lock_guard lock(link_->mutex);
        link_->receiver = nullptr;
    }

    bool event(QEvent* event) override {
        if (event->type() != MessageEvent::Type()) {
            return QObject::event(event);
        }
        handler_(static_cast<MessageEvent*>(event)->message());
        return true;
    }

private:
    std::shared_ptr<Link> link_;
    Handler handler_;
};

std::shared_ptr<WindowMessageTarget> WindowMessageTarget::Create(QObject* window, Handler handler) {
    auto link = std::make_shared<Link>();
    new Receiver(window, link, std::move(handler));
    return std::shared_ptr<WindowMessageTarget>(new WindowMessageTarget(std::move(link)));
}

WindowMessageTarget::WindowMessageTarget(std::shared_ptr<Link> link) : link_(std::move(link)) {}

bool WindowMessageTarget::PostMessage(Message message) {
    std::lock_guard lock(link_->mutex);
    if (link_->receiver == nullptr) {
        return false;
    }
    QCoreApplication::postEvent(link_->receiver, new MessageEvent(std::move(message)));
    return true;
}

}  // namespace platform
