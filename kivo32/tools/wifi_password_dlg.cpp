// CWiFiPasswordDlg: the pass phrase of a Wi-Fi network or access point, or the logger's web password.
#include "kivo32/tools/wifi_password_dlg.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "kivo32/tools/wifi_ids.h"
#include "kivo32/tools/wifi_rules.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "shared/controls/dialog_buttons.h"
#include "shared/controls/identified_controls.h"

namespace {

// The prompt's width in average characters before it wraps.
constexpr int kPromptCharacters = 44;

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

}  // namespace

CWiFiPasswordDlg::CWiFiPasswordDlg(std::string title, std::string prompt, int shortest, int longest,
                                   bool emptyAllowed, QWidget* parent)
    : platform::Dialog(parent),
      title_(std::move(title)),
      prompt_(std::move(prompt)),
      shortest_(shortest),
      longest_(longest),
      empty_allowed_(emptyAllowed) {
    prompt_label_ = new QLabel(this);
    prompt_label_->setWordWrap(true);
    prompt_label_->setMinimumWidth(kPromptCharacters * prompt_label_->fontMetrics().averageCharWidth());
    platform::SetControlId(prompt_label_, IDC_PASSWORD_PROMPT);
    edit_ = Identified(new QLineEdit(this), IDC_PASSWORD_EDIT, IDS_PASSWORD_TIP_EDIT);
    masked_ = Identified(new QCheckBox(Text(IDS_PASSWORD_MASKED), this), IDC_PASSWORD_MASKED,
                         IDS_PASSWORD_TIP_MASKED);
    connect(masked_, &QCheckBox::clicked, this, [this] { ApplyDisplay(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_label_);
    layout->addWidget(edit_);
    layout->addWidget(masked_);
    layout->addWidget(MakeOkCancelButtons(this));
    platform::FindControl(this, IDOK)->setToolTip(Text(IDS_PASSWORD_TIP_OK));
    platform::FindControl(this, IDCANCEL)->setToolTip(Text(IDS_PASSWORD_TIP_CANCEL));
}

bool CWiFiPasswordDlg::OnInitDialog() {
    edit_->setMaxLength(longest_);
    const bool result = platform::Dialog::OnInitDialog();
    masked_->setChecked(false);
    ApplyDisplay();
    prompt_label_->setText(platform::ToQString(prompt_ + " " + LoadText(IDS_PASSWORD_PROMPT_END)));
    setWindowTitle(platform::ToQString(title_));
    return result;
}

void CWiFiPasswordDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeText(exchange, edit_, password);
    platform::ValidateMaxChars(exchange, password, static_cast<std::size_t>(longest_));
}

void CWiFiPasswordDlg::ApplyDisplay() {
    edit_->setEchoMode(masked_->isChecked() ? QLineEdit::Password : QLineEdit::Normal);
    edit_->selectAll();
    edit_->setFocus();
}

void CWiFiPasswordDlg::OnOK() {
    if (!IsAcceptablePassPhrase(platform::FromQString(edit_->text()), shortest_, longest_, empty_allowed_)) {
        ShowMessageBox(platform::FormatLoadedText(IDS_PASSWORD_LENGTH,
                                                  {std::to_string(shortest_), std::to_string(longest_)}),
                       MB_OK | MB_ICONEXCLAMATION, true);
        edit_->setFocus();
        return;
    }
    platform::Dialog::OnOK();
}
