// CHarmonicLogPrefDlg: the options of a harmonics logging run.
#include "kivo32/harmonics/harmonic_log_pref_dlg.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "kivo32/analysis/harmonics_log_ids.h"
#include "kivo32/harmonics/harmonics_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "shared/controls/dialog_buttons.h"

CHarmonicLogPrefDlg::CHarmonicLogPrefDlg(QWidget* parent)
    : platform::Dialog(parent),
      summary_(new QCheckBox(platform::ToQString(LoadText(IDS_HLOG_PREF_SUMMARY)), this)),
      raw_data_(new QCheckBox(platform::ToQString(LoadText(IDS_HLOG_PREF_RAW_DATA)), this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_HLOG_PREF_TITLE)));
    platform::SetControlId(summary_, IDC_HLOG_SUMMARY);
    platform::SetControlId(raw_data_, IDC_HLOG_RAW_DATA);
    summary_->setChecked(true);
    connect(raw_data_, &QCheckBox::clicked, this, [this](bool checked) { OnRawData(checked); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(raw_data_);
    layout->addWidget(MakeOkCancelButtons(this));
}

HarmonicLogOptions CHarmonicLogPrefDlg::GetOptions() const {
    return {summary_->isChecked(), raw_data_->isChecked()};
}

void CHarmonicLogPrefDlg::OnRawData(bool checked) {
    if (!checked) {
        return;
    }
    // Raw data makes long logs: OK takes the options as they stand at once, Cancel leaves it off.
    if (ShowMessageBoxId(IDS_HLOG_RAW_DATA_WARNING, MB_OKCANCEL | MB_ICONEXCLAMATION, true,
                         IDS_HARMONICS_LOG_CAPTION) == IDOK) {
        EndDialog(IDOK);
    } else {
        raw_data_->setChecked(false);
    }
}
