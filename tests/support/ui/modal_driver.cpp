// Acts on the next modal window of a test once it shows (a box, a dialog), from the event loop it runs.
#include "tests/support/ui/modal_driver.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace testsupport {
namespace {

constexpr int kPollMilliseconds = 5;
constexpr int kLimitMilliseconds = 5000;

}  // namespace

void OnNextModal(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer(QApplication::instance());
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool shown = modal != nullptr && modal->isVisible();
        if (!shown && clock->elapsed() < kLimitMilliseconds) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (shown) {
            action(modal);
        } else {
            ADD_FAILURE() << "no modal window was shown";
        }
    });
    poll->start(kPollMilliseconds);
}

bool ProcessEventsUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > kLimitMilliseconds) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, kPollMilliseconds);
    }
    return true;
}

void ProcessEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, kPollMilliseconds);
    }
}

}  // namespace testsupport
