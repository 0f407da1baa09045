// CSubclassWnd: a hook that sees a window's events before the window does. Several hooks may sit on
// one window: the newest sees an event first, the window itself last. A hook goes when its window is
// destroyed.
#pragma once

#include <QObject>
#include <QPointer>

class QEvent;
class QWidget;

class CSubclassWnd : public QObject {
    Q_OBJECT

public:
    CSubclassWnd();
    // Unhooks, so that a hook that goes first leaves its window as it was.
    ~CSubclassWnd() override;
    CSubclassWnd(const CSubclassWnd&) = delete;
    CSubclassWnd& operator=(const CSubclassWnd&) = delete;

    // With a window: puts this hook at the head of the window's chain (off any window it was on before).
    // With nullptr: takes it off its window. True in both cases.
    bool HookWindow(QWidget* window);
    // The hooked window, nullptr when unhooked.
    QWidget* HookedWindow() const { return window_; }

protected:
    // An event of the hooked window: true swallows it; false (the base) passes it on to the older hooks
    // and then to the window.
    virtual bool WindowProc(QEvent* event);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void OnWindowDestroyed();

    QPointer<QWidget> window_;
    QMetaObject::Connection destroyed_connection_;
};
