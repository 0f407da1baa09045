// SIGTERM into the event loop: the signal only writes to a socket pair, whose reader hands it on to the
// main thread (teldrin ends there as its Exit command does, a call in progress ended first).
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace teldrin {

class TerminationSignal : public QObject {
    Q_OBJECT
public:
    // Installs the handler; `onSignal` runs on the main thread.
    explicit TerminationSignal(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignal() override;

private:
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> on_signal_;
};

}  // namespace teldrin
