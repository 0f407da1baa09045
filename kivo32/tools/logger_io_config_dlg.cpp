// The Quarven's I/O configuration.
#include "kivo32/tools/logger_io_config_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "kivo32/setuprules/logger_id_rules.h"
#include "kivo32/tools/scalar_window_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

namespace {

// The check box of each bit, bit 0 first.
constexpr int kSwitchIds[] = {2258, 2259, 2257, 2256, 2255, 2264, 2357};

}  // namespace

CLoggerIOConfigDlg::CLoggerIOConfigDlg(QWidget* parent) : platform::Dialog(parent) {
    setWindowTitle(platform::ToQString(LoadText(IDS_IO_CONFIG_TITLE)));
    auto* layout = new QVBoxLayout(this);
    for (std::size_t bit = 0; bit < switches_.size(); ++bit) {
        auto* box = new QCheckBox(
            platform::ToQString(LoadText(IDS_IO_CONFIG_SWITCH_FIRST + static_cast<unsigned>(bit))), this);
        platform::SetControlId(box, kSwitchIds[bit]);
        connect(box, &QCheckBox::clicked, this, &CLoggerIOConfigDlg::Recount);
        layout->addWidget(box);
        switches_[bit] = box;
    }
    auto* row = new QHBoxLayout();
    row->addWidget(new QLabel(platform::ToQString(LoadText(IDS_IO_CONFIG_VALUE)), this));
    shown_ = new QLabel(this);
    platform::SetControlId(shown_, IDC_IO_CONFIG_VALUE);
    row->addWidget(shown_);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(MakeOkCancelButtons(this));
}

bool CLoggerIOConfigDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    for (std::size_t bit = 0; bit < switches_.size(); ++bit) {
        switches_[bit]->setChecked((value & (1 << bit)) != 0);
    }
    Recount();
    return true;
}

void CLoggerIOConfigDlg::Recount() {
    value = 0;
    for (std::size_t bit = 0; bit < switches_.size(); ++bit) {
        value |= switches_[bit]->isChecked() ? 1 << bit : 0;
    }
    shown_->setText(QString::number(value));
}
