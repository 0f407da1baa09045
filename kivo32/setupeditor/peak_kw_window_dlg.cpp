// CPeakKWWindowDlg: the peak-demand window of a setup.
#include "kivo32/setupeditor/peak_kw_window_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <algorithm>

#include "kivo32/setupeditor/form_controls.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

namespace {

// "15 minutes": a length as the list shows it.
std::string LengthText(int minutes) {
    return platform::StringPrintf("%d %s", minutes, LoadText(IDS_PEAK_LIST_UNIT).c_str());
}

}  // namespace

CPeakKWWindowDlg::CPeakKWWindowDlg(int channelOffered, const std::string& caption, QWidget* parent)
    : platform::Dialog(parent),
      channel_offered_(channelOffered == 5 ? 5 : 6),
      length_text_(LengthText(PeakWindowLengths()[kDefaultPeakWindowIndex])),
      off_(WithId(new QRadioButton(TextOf(IDS_PEAK_OFF), this), IDC_PEAK_OFF)),
      channel_(WithId(new QRadioButton(platform::ToQString(platform::FormatLoadedText(
                                           IDS_FORM_CHANNEL, {std::to_string(channel_offered_)})),
                                       this),
                      channel_offered_ == 5 ? IDC_PEAK_CHANNEL5 : IDC_PEAK_CHANNEL6)),
      length_(WithId(new QComboBox(this), IDC_PEAK_LENGTH)),
      length_label_(WithId(new QLabel(TextOf(IDS_PEAK_LENGTH_LABEL), this), IDC_PEAK_LENGTH_LABEL)),
      option_off_(WithId(new QRadioButton(TextOf(IDS_PEAK_OPTION_OFF), this), IDC_PEAK_OPTION_OFF)),
      option_on_(WithId(new QRadioButton(TextOf(IDS_PEAK_OPTION_ON), this), IDC_PEAK_OPTION_ON)),
      prompt_(WithId(new QLabel(this), IDC_PEAK_PROMPT)) {
    setWindowTitle(platform::ToQString(caption));
    length_->setEditable(true);
    for (const int minutes : PeakWindowLengths()) {
        length_->addItem(platform::ToQString(LengthText(minutes)));
    }
    auto* channels = new QButtonGroup(this);
    channels->addButton(off_);
    channels->addButton(channel_);
    auto* options = new QButtonGroup(this);
    options->addButton(option_off_);
    options->addButton(option_on_);
    auto* grid = new QGridLayout(this);
    grid->addWidget(prompt_, 0, 0, 1, 2);
    grid->addWidget(off_, 1, 0, 1, 2);
    grid->addWidget(channel_, 2, 0, 1, 2);
    grid->addWidget(length_label_, 3, 0);
    grid->addWidget(length_, 3, 1);
    grid->addWidget(option_off_, 4, 0);
    grid->addWidget(option_on_, 4, 1);
    grid->addWidget(MakeOkCancelButtons(this), 5, 0, 1, 2);
    connect(off_, &QRadioButton::clicked, this, [this] {
        mode_ = 0;
        EnableWindowControls(false);
    });
    connect(channel_, &QRadioButton::clicked, this, [this] {
        mode_ = channel_offered_ == 5 ? 1 : 2;
        EnableWindowControls(true);
    });
}

void CPeakKWWindowDlg::SetFromSettings(const PeakWindowSettings& settings) {
    settings_code_ = settings.channel;
    if (settings.channel == 0 || settings.channel == 5 || settings.channel == 6) {
        mode_ = settings.channel == 0 ? 0 : settings.channel - 4;
    }
    option_ = settings.optionOff ? 0 : 1;
    const std::vector<int>& lengths = PeakWindowLengths();
    const auto found = std::find(lengths.begin(), lengths.end(), settings.minutes);
    if (found != lengths.end()) {
        length_index_ = static_cast<int>(found - lengths.begin());
        length_text_ = LengthText(settings.minutes);
    }
}

bool CPeakKWWindowDlg::OnInitDialog() {
    const bool result = platform::Dialog::OnInitDialog();
    bool enabled = false;
    std::string prompt;
    if (settings_code_ != 0) {
        prompt = platform::FormatLoadedText(IDS_PEAK_PROMPT_CHANNEL, {std::to_string(settings_code_)});
        enabled = settings_code_ == channel_offered_;
    } else {
        mode_ = 0;
        prompt = LoadText(IDS_PEAK_PROMPT_OFF);
    }
    off_->setChecked(!enabled);
    channel_->setChecked(enabled);
    length_->setCurrentIndex(length_index_);
    EnableWindowControls(enabled);
    prompt_->setText(platform::ToQString(prompt));
    return result;
}

void CPeakKWWindowDlg::EnableWindowControls(bool enable) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{length_, length_label_, option_off_, option_on_}) {
        control->setEnabled(enable);
    }
}

void CPeakKWWindowDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeRadio(exchange, {option_off_, option_on_}, option_);
    if (exchange.saving()) {
        length_text_ = platform::FromQString(length_->currentText());
    } else {
        length_->setEditText(platform::ToQString(length_text_));
    }
}

int CPeakKWWindowDlg::GetModeCode() const {
    return mode_ == 0 ? 0 : mode_ + 4;
}

bool CPeakKWWindowDlg::GetWindowMinutes(int* minutes) const {
    const WindowLengthCheck check =
        ::GetWindowMinutes(length_text_, LoadText(IDS_PEAK_TYPED_UNIT), mode_ != 0);
    *minutes = check.minutes;
    if (!check.accepted) {
        platform::CurrentUiBroker().MessageBox(LoadText(check.messageId), LoadText(IDS_PEAK_MESSAGE_CAPTION),
                                               MB_OK | MB_ICONEXCLAMATION);
    }
    return check.accepted;
}
