// What the program's main frame does with the messages it does not take itself, for the tests of the
// application object: they go to the application.
#pragma once

#include <QObject>

#include "kivo32/app/kivo_app.h"
#include "platform/base/window_messages.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/message_event.h"

class HandOnToApplication : public QObject {
public:
    explicit HandOnToApplication(CKivoApp& app) : app_(app) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != platform::MessageEvent::Type() || watched->parent() != app_.GetMainWindow()) {
            return false;
        }
        platform::Message& message = static_cast<platform::MessageEvent*>(event)->message();
        return message.id != WM_COMMAND && message.id != WM_CLOSE && app_.OnAppMessage(message);
    }

private:
    CKivoApp& app_;
};
