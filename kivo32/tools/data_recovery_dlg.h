// CDataRecoveryDlg: the question after a download broke off part-way: keep the records received (OK),
// try again for the rest (IDC_RECOVERY_TRY_AGAIN) or give up (Cancel).
#pragma once

#include <QLabel>
#include <QPushButton>
#include <string>

#include "platform/base/message_box_flags.h"
#include "platform/ui/dialog.h"

class CDataRecoveryDlg : public platform::Dialog {
    Q_OBJECT

public:
    // `portLost`: the link's serial port disappeared, so no second try is offered.
    explicit CDataRecoveryDlg(bool portLost, QWidget* parent = nullptr);

    // The message for `recordCount` records received, after `prefix`; OK shows only with a record.
    void SetMessage(int recordCount, const std::string& prefix);
    // IDOK, IDCANCEL or IDC_RECOVERY_TRY_AGAIN: the button that closed the dialog.
    int GetChoice() const { return choice_; }

protected:
    // Keeps the records only while Keep is offered.
    void OnOK() override;
    void OnCancel() override;

private:
    void Choose(int choice);

    const bool port_lost_;
    int choice_ = IDCANCEL;
    QLabel* message_;
    QPushButton* keep_;
    QPushButton* try_again_;
};
