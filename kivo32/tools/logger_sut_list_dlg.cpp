// CLoggerSUTListDlg: which of the logger's stored setups to read.
#include "kivo32/tools/logger_sut_list_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "kivo32/tools/setting_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

CLoggerSUTListDlg::CLoggerSUTListDlg(const std::vector<std::string>& names, QWidget* parent)
    : platform::Dialog(parent), names_(names), list_(new QListWidget(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_SUT_LIST_TITLE)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(platform::ToQString(LoadText(IDS_SUT_LIST_PROMPT)), this));
    platform::SetControlId(list_, IDC_SUT_LIST);
    layout->addWidget(list_);
    layout->addWidget(MakeOkCancelButtons(this));
    // OK only with a setup chosen: there is no setup -1 to read.
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { platform::EnableControls(this, {IDOK}, row >= 0); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
}

bool CLoggerSUTListDlg::OnInitDialog() {
    for (const std::string& name : names_) {
        list_->addItem(platform::ToQString(name));
    }
    platform::EnableControls(this, {IDOK}, false);
    selected = names_.empty() ? -1 : 0;
    return platform::Dialog::OnInitDialog();
}

void CLoggerSUTListDlg::DoDataExchange(platform::DataExchange& exchange) {
    if (exchange.saving()) {
        selected = list_->currentRow();
    } else {
        list_->setCurrentRow(selected);
    }
}
