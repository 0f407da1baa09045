// CCloseGuard: keeps a window open while closing it is not allowed, as a greyed close command would.
#pragma once

#include <QObject>
#include <functional>

class CCloseGuard : public QObject {
public:
    // Watches `window` (which must outlive the guard); its close is refused while `allowed()` is false.
    CCloseGuard(QObject& window, std::function<bool()> allowed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> allowed_;
};
