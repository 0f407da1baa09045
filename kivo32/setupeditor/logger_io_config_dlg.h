// CLoggerIOConfigDlg: the seven switches of a Quarven logger's I/O configuration, one check box each,
// with the value they make.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <array>

#include "platform/ui/dialog.h"

class CLoggerIOConfigDlg : public platform::Dialog {
    Q_OBJECT

public:
    explicit CLoggerIOConfigDlg(QWidget* parent = nullptr);

    // The value read from the logger, before the dialog runs; after OK, the value to write back (the
    // bits above the switches as they were read).
    void SetValue(int value) { read_value_ = value; }
    int GetValue() const;

protected:
    bool OnInitDialog() override;

private:
    // The value of the checked boxes, shown under them.
    void Recount();

    std::array<QCheckBox*, 7> switches_{};
    QLabel* value_label_;
    int read_value_ = 0;
    int switches_value_ = 0;
};
