// A modal wait dialog that counts a fixed number of seconds with a progress bar and closes itself.
#include "kivo32/controls/progress_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "kivo32/controls/controls_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_clock.h"

namespace {

constexpr int kTimerMilliseconds = 200;
constexpr int kBarLimit = 0xFFFF;

}  // namespace

CProgressDialog::CProgressDialog(QWidget* parent)
    : platform::Dialog(parent),
      progress_text_(new QLabel(this)),
      message_label_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
    platform::SetControlId(progress_text_, IDC_PROGRESS_TEXT);
    platform::SetControlId(message_label_, IDC_PROGRESS_MESSAGE);
    platform::SetControlId(bar_, IDC_PROGRESS_BAR);
    message_label_->setWordWrap(true);
    bar_->setTextVisible(false);
    auto* cancel = new QPushButton(platform::ToQString(LoadText(IDS_CANCEL)), this);
    platform::SetControlId(cancel, IDCANCEL);
    connect(cancel, &QPushButton::clicked, this, &CProgressDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_label_);
    layout->addWidget(bar_);
    layout->addWidget(progress_text_);
    layout->addLayout(buttons);
    setMinimumWidth(360);
    connect(&timer_, &QTimer::timeout, this, &CProgressDialog::OnTimer);
}

void CProgressDialog::Set(const std::string& title, const std::string& progressFormat,
                          const std::string& message, int seconds) {
    title_ = title;
    progress_format_ = progressFormat;
    message_ = message;
    seconds_ = seconds;
}

bool CProgressDialog::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    setWindowTitle(platform::ToQString(title_));
    message_label_->setText(platform::ToQString(message_));
    bar_->setRange(0, std::clamp(seconds_, 0, kBarLimit));
    UpdateProgress(0);
    start_milliseconds_ = platform::CurrentUiClock().NowMilliseconds();
    platform::CurrentUiClock().StartTimer(timer_, kTimerMilliseconds);
    return true;
}

void CProgressDialog::OnTimer() {
    const auto elapsed =
        static_cast<int>((platform::CurrentUiClock().NowMilliseconds() - start_milliseconds_) / 1000);
    if (elapsed > seconds_) {
        timer_.stop();
        EndDialog(IDOK);
        return;
    }
    UpdateProgress(elapsed);
}

void CProgressDialog::UpdateProgress(int elapsed) {
    bar_->setValue(std::min(elapsed, bar_->maximum()));
    const int left = seconds_ - elapsed;
    // A wait of no seconds is complete from the start (and must not divide by zero).
    const int percent = seconds_ > 0 ? elapsed * 100 / seconds_ : 100;
    progress_text_->setText(platform::ToQString(platform::FillPrintfPlaceholders(
        progress_format_, {std::to_string(percent), std::to_string(left), left == 1 ? "" : "s"})));
}
