// CDialogExtractDataByRecord: the first and last record of a range to cut out of a data file.
#pragma once

#include <QSpinBox>

#include "platform/ui/dialog.h"

class CDialogExtractDataByRecord : public platform::Dialog {
    Q_OBJECT

public:
    // `recordCount` is the grid's row count; the range starts as every record.
    explicit CDialogExtractDataByRecord(int recordCount, QWidget* parent = nullptr);

    int GetFromRecord() const { return from_; }
    int GetToRecord() const { return to_; }

    // The text id that refuses from..to of a file of `recordCount` records; 0 when it is accepted.
    static unsigned CheckRange(int from, int to, int recordCount);

protected:
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnOK() override;

private:
    int record_count_;
    int from_ = 1;
    int to_;
    QSpinBox* from_spin_;
    QSpinBox* to_spin_;
};
