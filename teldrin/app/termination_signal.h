// SIGTERM ends teldrin as its Exit command does: the signal only writes to a pipe, whose reader quits
// the event loop on the main thread.
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
