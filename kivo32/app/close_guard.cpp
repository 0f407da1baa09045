// A window's close refused while it is not allowed.
#include "kivo32/app/close_guard.h"

#include <QEvent>

CCloseGuard::CCloseGuard(QObject& window, std::function<bool()> allowed) : allowed_(std::move(allowed)) {
    window.installEventFilter(this);
}

bool CCloseGuard::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Close && !allowed_()) {
        event->ignore();
        return true;
    }
    return false;
}
