// CTHDHelpDlg: the explanation of the THD estimate.
#include "kivo32/harmonics/thd_help_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "kivo32/controls/picture_dlg.h"
#include "kivo32/harmonics/harmonics_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/application.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/tool_tip_delay.h"
#include "shared/controls/dialog_buttons.h"

namespace {

constexpr int kToolTipDelayMs = 250;
constexpr int kTextWidth = 420;

constexpr int kTipControls[] = {IDC_THD_HELP_DOCUMENT, IDC_THD_HELP_PICTURE, IDOK, 0};
constexpr ToolTipTexts kTips[] = {
    {IDS_THD_HELP_TIP_DOCUMENT, 0}, {IDS_THD_HELP_TIP_PICTURE, 0}, {IDS_THD_HELP_TIP_OK, 0}, {0, 0}};

QPushButton* AddButton(QWidget* parent, QBoxLayout* layout, int id, unsigned labelId) {
    auto* button = new QPushButton(platform::ToQString(LoadText(labelId)), parent);
    platform::SetControlId(button, id);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

}  // namespace

CTHDHelpDlg::CTHDHelpDlg(QWidget* parent, std::function<void()> openHelp)
    : platform::Dialog(parent), open_help_(std::move(openHelp)), text_(new QLabel(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_THD_HELP_TITLE)));
    auto* layout = new QVBoxLayout(this);
    platform::SetControlId(text_, IDC_THD_HELP_TEXT);
    text_->setWordWrap(true);
    text_->setMinimumWidth(kTextWidth);
    layout->addWidget(text_);
    auto* buttons = new QHBoxLayout;
    connect(AddButton(this, buttons, IDC_THD_HELP_DOCUMENT, IDS_THD_HELP_DOCUMENT), &QPushButton::clicked,
            this, [this] { OnHelpDocument(); });
    connect(AddButton(this, buttons, IDC_THD_HELP_PICTURE, IDS_THD_HELP_PICTURE), &QPushButton::clicked, this,
            [this] { OnPicture(); });
    buttons->addStretch();
    buttons->addWidget(MakeOkCancelButtons(this, false));
    layout->addLayout(buttons);
}

bool CTHDHelpDlg::OnInitDialog() {
    const bool result = platform::Dialog::OnInitDialog();
    text_->setText(platform::ToQString(LoadText(IDS_THD_HELP_TEXT)));
    tips_.Create(this, kTipControls, kTips);
    platform::SetToolTipDelay(this, kToolTipDelayMs);
    return result;
}

void CTHDHelpDlg::OnHelpDocument() {
    if (open_help_) {
        open_help_();
    } else if (platform::Application* application = platform::Application::Instance()) {
        application->OpenHelpFile();
    }
}

void CTHDHelpDlg::OnPicture() {
    CPictureDlg picture(kPictureId, this);
    picture.DoModal();
}
