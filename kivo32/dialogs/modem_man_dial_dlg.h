// CModemManDialDlg: the telephone number a modem link dials, asked before the call.
#pragma once

#include <QLineEdit>
#include <string>

#include "platform/ui/dialog.h"

class CModemManDialDlg : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr std::size_t kNumberMax = 40;

    // The number field starts with `number` (the last number dialled).
    explicit CModemManDialDlg(std::string number, QWidget* parent = nullptr);

    // After OK: the number entered (Windows-1252). Blanks are kept: a number of blanks is not empty.
    std::string number;

protected:
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    QLineEdit* number_edit_;
};
