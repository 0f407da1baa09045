// A modeless notice that stays on screen while the program works on; its text changes as work advances.
#pragma once

#include <QDialog>
#include <QLabel>
#include <memory>
#include <string>

#include "platform/base/message.h"

namespace platform {
class WindowMessageTarget;
}  // namespace platform

class CModelessMessageBox : public QDialog {
    Q_OBJECT

public:
    // Made at once, hidden, centred over `parent`.
    explicit CModelessMessageBox(QWidget* parent);

    // Shows the notice with these texts, painted at once so that it is seen while the caller keeps its
    // thread busy. From another thread the change is posted to the notice and shown as soon as the
    // user-interface thread is free.
    void ShowMessage(const std::string& caption, const std::string& message);
    void ShowMessageText(const char* caption, const char* message);
    // Hides the notice; it stays for the next one.
    void Hide();

private:
    void OnMessage(platform::Message& message);

    QLabel* message_;
    std::shared_ptr<platform::WindowMessageTarget> target_;
};
