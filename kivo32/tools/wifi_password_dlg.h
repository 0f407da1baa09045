// CWiFiPasswordDlg: asks for a pass phrase within given length limits, shown plainly or hidden.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <string>

#include "platform/ui/dialog.h"

class CWiFiPasswordDlg : public platform::Dialog {
    Q_OBJECT

public:
    CWiFiPasswordDlg(std::string title, std::string prompt, int shortest, int longest, bool emptyAllowed,
                     QWidget* parent = nullptr);

    // After OK: what was entered (Windows-1252).
    std::string password;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnOK() override;

private:
    // Hidden while the box is ticked; then the whole entry is selected.
    void ApplyDisplay();

    std::string title_;
    std::string prompt_;
    int shortest_;
    int longest_;
    bool empty_allowed_;
    QLabel* prompt_label_;
    QLineEdit* edit_;
    QCheckBox* masked_;
};
