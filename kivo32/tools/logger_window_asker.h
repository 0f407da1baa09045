// A window's questions to the logger while it is open: each goes to the session that opened the window
// and is waited for in a local event loop under the wait cursor. The window's cancel reaches the
// session's running read, and the window closing (its cancel, or the end of the session) ends the wait.
#pragma once

#include <QPointer>
#include <functional>
#include <optional>

#include "kivo32/session/logger_window_calls.h"
#include "platform/base/message.h"

class QEventLoop;

namespace platform {
class Dialog;
}

class CLoggerWindowAsker {
public:
    CLoggerWindowAsker(platform::Dialog& window, LoggerWindowAsk ask, std::function<void()> cancelCommand);

    // False when no session opened the window.
    bool CanAsk() const { return static_cast<bool>(ask_); }
    // The session's answer; nothing when nobody could ask or the window closed meanwhile.
    std::optional<LoggerWindowAnswer> Ask(LoggerWindowQuestion question);
    // From the window's OnMessage: true when `message` was an answer.
    bool TakeAnswer(const platform::Message& message);
    // From the window's cancel: tells the session to cancel the read it runs for the wait under way.
    void CancelWait();

private:
    platform::Dialog& window_;
    LoggerWindowAsk ask_;
    std::function<void()> cancel_command_;
    QPointer<QEventLoop> loop_;
    std::optional<LoggerWindowAnswer> answer_;
};
