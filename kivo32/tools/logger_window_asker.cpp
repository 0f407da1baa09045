// A window's questions to the logger, waited for in a local event loop.
#include "kivo32/tools/logger_window_asker.h"

#include <QApplication>
#include <QEventLoop>

#include "kivo32/session/session_messages.h"
#include "platform/ui/dialog.h"

CLoggerWindowAsker::CLoggerWindowAsker(platform::Dialog& window, LoggerWindowAsk ask,
                                       std::function<void()> cancelCommand)
    : window_(window), ask_(std::move(ask)), cancel_command_(std::move(cancelCommand)) {}

std::optional<LoggerWindowAnswer> CLoggerWindowAsker::Ask(LoggerWindowQuestion question) {
    if (!ask_ || loop_ != nullptr) {
        return std::nullopt;
    }
    answer_.reset();
    question.replyTo = window_.Target();
    QEventLoop loop;
    loop_ = &loop;
    QObject::connect(&window_, &QDialog::finished, &loop, &QEventLoop::quit);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ask_(std::move(question));
    loop.exec();
    QApplication::restoreOverrideCursor();
    loop_ = nullptr;
    return std::exchange(answer_, std::nullopt);
}

bool CLoggerWindowAsker::TakeAnswer(const platform::Message& message) {
    if (message.id != WM_LOGGER_WINDOW_ANSWER) {
        return false;
    }
    // An answer that comes after its wait ended (the window was cancelled meanwhile) is dropped.
    const auto* answer = platform::PayloadAs<LoggerWindowAnswer>(message);
    if (loop_ != nullptr && answer != nullptr) {
        answer_ = *answer;
        loop_->quit();
    }
    return true;
}

void CLoggerWindowAsker::CancelWait() {
    if (loop_ != nullptr && cancel_command_) {
        cancel_command_();
    }
}
