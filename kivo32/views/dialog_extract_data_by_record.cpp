// CDialogExtractDataByRecord: the first and last record of a range to cut out of a data file.
#include "kivo32/views/dialog_extract_data_by_record.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

#include "kivo32/views/views_ids.h"
#include "platform/base/string_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "platform/base/program_texts.h"
#include "shared/controls/dialog_buttons.h"

namespace {

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

QSpinBox* RecordSpin(QWidget* parent, int id, int recordCount) {
    auto* spin = new QSpinBox(parent);
    platform::SetControlId(spin, id);
    // The spin holds any record count the file can have.
    spin->setRange(1, std::max(recordCount, 1));
    return spin;
}

}  // namespace

CDialogExtractDataByRecord::CDialogExtractDataByRecord(int recordCount, QWidget* parent)
    : platform::Dialog(parent),
      record_count_(recordCount),
      to_(recordCount),
      from_spin_(RecordSpin(this, IDC_EXTRACT_FROM_RECORD, recordCount)),
      to_spin_(RecordSpin(this, IDC_EXTRACT_TO_RECORD, recordCount)) {
    setWindowTitle(Text(IDS_EXTRACT_BY_RECORD_TITLE));
    auto* form = new QFormLayout(this);
    auto* lower = new QLabel(QString::number(1), this);
    auto* upper = new QLabel(QString::number(recordCount), this);
    platform::SetControlId(lower, IDC_EXTRACT_LOWER_LIMIT);
    platform::SetControlId(upper, IDC_EXTRACT_UPPER_LIMIT);
    form->addRow(Text(IDS_EXTRACT_FIRST_RECORD), lower);
    form->addRow(Text(IDS_EXTRACT_LAST_RECORD), upper);
    form->addRow(Text(IDS_EXTRACT_FROM_RECORD), from_spin_);
    form->addRow(Text(IDS_EXTRACT_TO_RECORD), to_spin_);
    form->addRow(MakeOkCancelButtons(this));
}

unsigned CDialogExtractDataByRecord::CheckRange(int from, int to, int recordCount) {
    if (from <= 0 || to <= 0) {
        return IDS_EXTRACT_RECORD_NOT_POSITIVE;
    }
    if (from == to) {
        return IDS_EXTRACT_RECORD_SAME;
    }
    if (from > to) {
        return IDS_EXTRACT_RECORD_REVERSED;
    }
    if (to > recordCount) {
        return IDS_EXTRACT_RECORD_BEYOND_END;
    }
    return 0;
}

void CDialogExtractDataByRecord::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeSpin(exchange, from_spin_, from_);
    platform::ExchangeSpin(exchange, to_spin_, to_);
}

void CDialogExtractDataByRecord::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    if (const unsigned refusal = CheckRange(from_, to_, record_count_); refusal != 0) {
        ShowMessageBoxId(refusal, MB_OK | MB_ICONEXCLAMATION, true);
        return;
    }
    EndDialog(IDOK);
}
