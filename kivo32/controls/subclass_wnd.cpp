// CSubclassWnd: a hook that sees a window's events before the window does, built on Qt's event filters,
// which run newest first.
#include "kivo32/controls/subclass_wnd.h"

#include <QWidget>

CSubclassWnd::CSubclassWnd() = default;

CSubclassWnd::~CSubclassWnd() {
    HookWindow(nullptr);
}

bool CSubclassWnd::HookWindow(QWidget* window) {
    if (window_ != nullptr) {
        window_->removeEventFilter(this);
        disconnect(destroyed_connection_);
    }
    window_ = window;
    if (window != nullptr) {
        window->installEventFilter(this);
        destroyed_connection_ = connect(window, &QObject::destroyed, this, &CSubclassWnd::OnWindowDestroyed);
    }
    return true;
}

bool CSubclassWnd::WindowProc(QEvent*) {
    return false;
}

bool CSubclassWnd::eventFilter(QObject* watched, QEvent* event) {
    return watched == window_ && WindowProc(event);
}

void CSubclassWnd::OnWindowDestroyed() {
    window_ = nullptr;
    disconnect(destroyed_connection_);
}
