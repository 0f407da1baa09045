// A modal wait dialog that counts a fixed number of seconds with a progress bar and closes itself.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <cstdint>
#include <string>

#include "platform/ui/dialog.h"

class CProgressDialog : public platform::Dialog {
    Q_OBJECT

public:
    explicit CProgressDialog(QWidget* parent = nullptr);

    // Before DoModal. `progressFormat` is a text with printf conversions, filled in order with the per
    // cent done, the seconds left and the plural suffix (FillPrintfPlaceholders).
    void Set(const std::string& title, const std::string& progressFormat, const std::string& message,
             int seconds);

    // DoModal gives IDOK once the time has run out, IDCANCEL when the user cancelled.

protected:
    bool OnInitDialog() override;

private:
    void OnTimer();
    void UpdateProgress(int elapsed);

    std::string progress_format_;
    std::string message_;
    std::string title_;
    int seconds_ = 0;
    QTimer timer_;
    std::int64_t start_milliseconds_ = 0;

    QLabel* progress_text_;
    QLabel* message_label_;
    QProgressBar* bar_;
};
