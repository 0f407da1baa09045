// A modeless notice that stays on screen while the program works on; its text changes as work advances.
#pragma once

#include <QDialog>
#include <QLabel>
#include <string>

class CModelessMessageBox : public QDialog {
    Q_OBJECT

public:
    // Made at once, hidden, centred over `parent`.
    explicit CModelessMessageBox(QWidget* parent);

    // Shows the notice with these texts, painted at once so that it is seen while the caller keeps its
    // thread busy. From another thread the notice changes as soon as the user-interface thread is free.
    void ShowMessage(const std::string& caption, const std::string& message);
    void ShowMessageText(const char* caption, const char* message);
    // Hides the notice; it stays for the next one.
    void Hide();

private:
    QLabel* message_;
};
