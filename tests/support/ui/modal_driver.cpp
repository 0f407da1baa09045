// Acts on the next modal window of a test once it shows (a box, a dialog), from the event loop it runs.
#include "tests/support/ui/modal_driver.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

namespace testsupport {
namespace {

constexpr int kPollMilliseconds = 5;
// Guards a hang only: a loaded machine may take many seconds for what a test waits on.
constexpr int kLimitMilliseconds = 60000;

// A window that the test's action left open (a button that did nothing, a box that failed to close
// itself) would keep its modal loop, and the test, running for ever: after the limit it fails the test
// and is closed.
void CloseIfStillOpen(QWidget* modal) {
    QTimer::singleShot(kLimitMilliseconds, QApplication::instance(), [window = QPointer<QWidget>(modal)] {
        if (window == nullptr || !window->isVisible()) {
            return;
        }
        ADD_FAILURE() << "the modal window was still open " << kLimitMilliseconds << " ms after the action";
        if (auto* dialog = qobject_cast<QDialog*>(window.data())) {
            dialog->done(QDialog::Rejected);
        } else {
            window->close();
        }
    });
}

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
            CloseIfStillOpen(modal);
        } else {
            ADD_FAILURE() << "no modal window was shown";
        }
    });
    poll->start(kPollMilliseconds);
}

void OnNextModalOver(QWidget* outer, std::function<void(QWidget*)> action) {
    OnNextModal([outer, action = std::move(action)](QWidget* modal) {
        if (modal == outer) {
            OnNextModalOver(outer, action);
        } else {
            action(modal);
        }
    });
}

bool ProcessEventsUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > kLimitMilliseconds) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, kPollMilliseconds);
        // A test runs outside any event loop, where deleteLater() would never be carried out.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
