// CLostPortDialog: the lost-port notice, watching the session once a second.
#include "shared/controls/lost_port_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_clock.h"
#include "shared/controls/controls_ids.h"
#include "shared/controls/dialog_buttons.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"

namespace {

constexpr int kTickMs = 1000;

}  // namespace

CLostPortDialog::CLostPortDialog(const CSession* session, QWidget* parent)
    : platform::Dialog(parent), session_(session), text_(new QLabel(this)), timer_(new QTimer(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_LOST_PORT_TITLE)));
    auto* icon = new QLabel(this);
    platform::SetControlId(icon, IDC_LOST_PORT_ICON);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(size, size));
    platform::SetControlId(text_, IDC_LOST_PORT_TEXT);
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);

    QDialogButtonBox* buttons = MakeOkCancelButtons(this, false);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    connect(timer_, &QTimer::timeout, this, &CLostPortDialog::OnTick);
}

bool CLostPortDialog::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    ShowText();
    platform::CurrentUiClock().StartTimer(*timer_, kTickMs);
    return true;
}

void CLostPortDialog::OnTick() {
    const bool back = session_ != nullptr && session_->IsConnected();
    if (back) {
        countdown_ = countdown_ < 0 ? kTicksOnceBack : countdown_ - 1;
    }
    if (back != back_) {
        back_ = back;
        ShowText();
    }
    if (back && countdown_ == 0) {
        OnOK();
    }
}

void CLostPortDialog::done(int result) {
    timer_->stop();
    platform::Dialog::done(result);
}

void CLostPortDialog::ShowText() {
    text_->setText(platform::ToQString(platform::FillPrintfPlaceholders(
        "%s %s. %s\n\n%s", {message_, LoadText(IDS_LOST_PORT_REMOVED), LoadText(IDS_LOST_PORT_ACTION),
                            LoadText(back_ ? IDS_LOST_PORT_BACK : IDS_LOST_PORT_MISSING)})));
}
