// CLoggerIOConfigDlg: the I/O configuration switches.
#include "kivo32/setupeditor/logger_io_config_dlg.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "kivo32/setupeditor/setupeditor_ids.h"
#include "kivo32/setuprules/io_config_rules.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

CLoggerIOConfigDlg::CLoggerIOConfigDlg(QWidget* parent)
    : platform::Dialog(parent), value_label_(new QLabel(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_IO_CONFIG_TITLE)));
    platform::SetControlId(value_label_, IDC_IO_CONFIG_VALUE);
    auto* layout = new QVBoxLayout(this);
    for (int bit = 0; bit < 7; ++bit) {
        const std::string caption =
            platform::FormatLoadedText(IDS_IO_CONFIG_SWITCH, {std::to_string(bit + 1)});
        switches_[bit] = new QCheckBox(platform::ToQString(caption), this);
        platform::SetControlId(switches_[bit], kIOConfigSwitchIds[bit]);
        connect(switches_[bit], &QCheckBox::clicked, this, &CLoggerIOConfigDlg::Recount);
        layout->addWidget(switches_[bit]);
    }
    layout->addWidget(value_label_);
    layout->addWidget(MakeOkCancelButtons(this));
}

bool CLoggerIOConfigDlg::OnInitDialog() {
    const int shown = ShownIOSwitches(read_value_);
    for (int bit = 0; bit < 7; ++bit) {
        switches_[bit]->setChecked((shown & (1 << bit)) != 0);
    }
    Recount();
    return platform::Dialog::OnInitDialog();
}

void CLoggerIOConfigDlg::Recount() {
    switches_value_ = 0;
    for (int bit = 0; bit < 7; ++bit) {
        switches_value_ |= switches_[bit]->isChecked() ? 1 << bit : 0;
    }
    value_label_->setText(QString::number(switches_value_));
}

int CLoggerIOConfigDlg::GetValue() const {
    return IOConfigurationToWrite(read_value_, switches_value_);
}
