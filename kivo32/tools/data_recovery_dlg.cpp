// CDataRecoveryDlg: keep, try again or give up after a broken download.
#include "kivo32/tools/data_recovery_dlg.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "kivo32/tools/data_recovery_question.h"
#include "kivo32/tools/download_window_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/logger/download_ids.h"

namespace {

QPushButton* AddButton(QDialogButtonBox* box, int id, unsigned labelId, unsigned tipId) {
    QPushButton* button =
        box->addButton(platform::ToQString(LoadText(labelId)), QDialogButtonBox::ActionRole);
    platform::SetControlId(button, id);
    button->setToolTip(platform::ToQString(LoadText(tipId)));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CDataRecoveryDlg::CDataRecoveryDlg(bool portLost, QWidget* parent)
    : platform::Dialog(parent), port_lost_(portLost), message_(new QLabel(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_RECOVERY_TITLE)));
    platform::SetControlId(message_, IDC_RECOVERY_MESSAGE);
    message_->setWordWrap(true);
    message_->setMinimumWidth(360);
    auto* buttons = new QDialogButtonBox(this);
    keep_ = AddButton(buttons, IDOK, IDS_RECOVERY_KEEP, IDS_RECOVERY_KEEP_TIP);
    try_again_ =
        AddButton(buttons, IDC_RECOVERY_TRY_AGAIN, IDS_RECOVERY_TRY_AGAIN, IDS_RECOVERY_TRY_AGAIN_TIP);
    QPushButton* giveUp = AddButton(buttons, IDCANCEL, IDS_RECOVERY_GIVE_UP, IDS_RECOVERY_GIVE_UP_TIP);
    // Return keeps the records; a hidden Keep leaves Return without an answer.
    keep_->setDefault(true);
    connect(keep_, &QPushButton::clicked, this, [this] { Choose(IDOK); });
    connect(try_again_, &QPushButton::clicked, this, [this] { Choose(IDC_RECOVERY_TRY_AGAIN); });
    connect(giveUp, &QPushButton::clicked, this, [this] { Choose(IDCANCEL); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    SetMessage(0, {});
}

void CDataRecoveryDlg::SetMessage(int recordCount, const std::string& prefix) {
    const RecoveryQuestion question = DescribeRecoveryQuestion(recordCount, port_lost_, prefix);
    message_->setText(platform::ToQString(question.message));
    keep_->setVisible(question.offersKeep);
    try_again_->setVisible(question.offersTryAgain);
}

void CDataRecoveryDlg::OnOK() {
    if (!keep_->isHidden()) {
        Choose(IDOK);
    }
}

void CDataRecoveryDlg::OnCancel() {
    Choose(IDCANCEL);
}

void CDataRecoveryDlg::Choose(int choice) {
    choice_ = choice;
    EndDialog(choice);
}
