// The window of the extended message box: its buttons, check box, count-down and disabled period.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <vector>

#include "shared/controls/x_message_box_buttons.h"

class XMessageBoxDialog : public QDialog {
    Q_OBJECT

public:
    // Without `owner` the box belongs to the program's active window. `params` may be null.
    XMessageBoxDialog(QWidget* owner, const std::string& text, const std::string& caption, unsigned style,
                      const XMessageBoxParams* params);

    // Shows the box modally and returns the answer: the id of the button pressed, with the style's
    // check-box bit when the box was ticked and XMESSAGEBOX_TIMED_OUT when the count-down pressed it;
    // for Esc and the close box IDCANCEL (IDOK for the OK set).
    int Run();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void BuildLayout(const std::string& text);
    void Finish(int buttonId, bool timedOut);
    void OnButton(int buttonId);
    void OnCountdownTick();
    void OnDisabledTick();
    void StopCountdown();
    void SetButtonsEnabled(bool enabled);
    void CopyToClipboard() const;

    std::string text_;
    QString caption_;
    unsigned style_;
    const XMessageBoxParams* params_;
    std::vector<XMessageBoxButton> buttons_;
    std::vector<QPushButton*> button_widgets_;
    std::size_t default_index_ = 0;
    int cancel_answer_ = 0;
    QCheckBox* check_ = nullptr;
    QTimer countdown_timer_;
    QTimer disabled_timer_;
    int countdown_left_ = 0;
    int disabled_left_ = 0;
    bool buttons_disabled_ = false;
    int answer_ = 0;
};
