// CHarmonicLogPrefDlg: what a harmonics logging run records: the summary (on at first) and the raw data of
// every capture (off at first; asked about when ticked).
#pragma once

#include <QCheckBox>

#include "kivo32/analysis/harmonics_log.h"
#include "platform/ui/dialog.h"

class CHarmonicLogPrefDlg : public platform::Dialog {
    Q_OBJECT

public:
    explicit CHarmonicLogPrefDlg(QWidget* parent = nullptr);

    HarmonicLogOptions GetOptions() const;

private:
    void OnRawData(bool checked);

    QCheckBox* summary_;
    QCheckBox* raw_data_;
};
