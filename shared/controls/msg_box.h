// A standard modal message box that closes itself after a given time, so that a step never waits for
// the user.
#pragma once

#include <QWidget>
#include <string>

class CMsgBox {
public:
    // The boxes belong to `parent` (the program's active window when null).
    explicit CMsgBox(QWidget* parent);

    // Shows a standard box with `type` (MB_ flags); with `milliseconds` not 0 the box closes after that
    // time as if the user had closed it. Only the box of this call is closed, never another window.
    // Any thread: the box runs on the user-interface thread.
    void MessageBox(const std::string& text, const std::string& caption, int milliseconds, unsigned type);

    // The caption of the box shown last.
    const std::string& Caption() const { return caption_; }

private:
    QWidget* parent_;
    std::string caption_;
};
