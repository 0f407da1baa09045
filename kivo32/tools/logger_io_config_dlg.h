// The Quarven's I/O configuration: seven on/off switches kept in the logger as one number.
#pragma once

#include <array>

#include "platform/ui/dialog.h"

class QCheckBox;
class QLabel;

class CLoggerIOConfigDlg : public platform::Dialog {
    Q_OBJECT

public:
    explicit CLoggerIOConfigDlg(QWidget* parent = nullptr);

    // Set before the dialog runs, read after OK: the switches, bits 0-6.
    int value = 0;

protected:
    bool OnInitDialog() override;

private:
    void Recount();

    std::array<QCheckBox*, 7> switches_{};  // bit 0 first
    QLabel* shown_ = nullptr;
};
