// The window of the extended message box: its buttons, check box, count-down and disabled period.
#include "shared/controls/x_message_box_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/message_text_width.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/standard_message_box.h"
#include "platform/ui/ui_clock.h"
#include "shared/controls/controls_ids.h"

namespace {

constexpr int kTickMilliseconds = 1000;
constexpr int kButtonGap = 6;
constexpr int kMargin = 16;
constexpr int kCheckBoxLeft = 17;
constexpr int kCheckBoxGap = 12;
constexpr std::size_t kClipboardLimit = 8192;
constexpr const char* kDashes = "---------------------------\r\n";

// The highest id of the buttons that the disabled period and the Close item govern.
constexpr int kLastCommandButton = 26;

QStyle::StandardPixmap IconOf(unsigned style) {
    switch (style & MB_ICONMASK) {
        case MB_ICONHAND:
            return QStyle::SP_MessageBoxCritical;
        case MB_ICONQUESTION:
            return QStyle::SP_MessageBoxQuestion;
        case MB_ICONASTERISK:
            return QStyle::SP_MessageBoxInformation;
        default:
            return QStyle::SP_MessageBoxWarning;
    }
}

// 0x00BBGGRR as Qt's colour.
QColor ColourOf(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QString WithoutMnemonic(QString label) {
    return label.remove('&');
}

}  // namespace

XMessageBoxDialog::XMessageBoxDialog(QWidget* owner, const std::string& text, const std::string& caption,
                                     unsigned style, const XMessageBoxParams* params)
    : QDialog(owner != nullptr ? owner : platform::DefaultOwnerWindow()),
      text_(text),
      caption_(platform::ToQString(caption.empty() ? std::string("Error") : caption)),
      style_(style),
      params_(params),
      buttons_(XMessageBoxButtons(style, params)),
      default_index_(XMessageBoxDefaultIndex(style, buttons_.size())),
      cancel_answer_(XMessageBoxCancelAnswer(style, buttons_)) {
    setWindowTitle(caption_);
    // Without a Cancel button (or the OK set) the close box has nothing to answer.
    setWindowFlag(Qt::WindowCloseButtonHint, cancel_answer_ != 0);
    if ((style & MB_TOPMOST) != 0) {
        setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    BuildLayout(text);
    if (params_ != nullptr && (params_->x != 0 || params_->y != 0)) {
        move(params_->x, params_->y);
    }

    countdown_left_ = params_ != nullptr ? XMessageBoxSeconds(params_->countdownSeconds) : 0;
    disabled_left_ = params_ != nullptr ? XMessageBoxSeconds(params_->disabledSeconds) : 0;
    connect(&countdown_timer_, &QTimer::timeout, this, &XMessageBoxDialog::OnCountdownTick);
    connect(&disabled_timer_, &QTimer::timeout, this, &XMessageBoxDialog::OnDisabledTick);
}

void XMessageBoxDialog::BuildLayout(const std::string& text) {
    const QFontMetrics metrics = fontMetrics();
    const int horizontalUnit = metrics.averageCharWidth();
    const int verticalUnit = metrics.height();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, kMargin / 2);
    layout->setSpacing(0);

    // The message area: on modern systems the box always has the larger spacing and its coloured top.
    auto* area = new QWidget(this);
    area->setAutoFillBackground(true);
    QPalette palette = area->palette();
    const bool ownBackground = params_ != nullptr && params_->backgroundColor != -1;
    palette.setColor(QPalette::Window,
                     ownBackground ? ColourOf(params_->backgroundColor) : palette.color(QPalette::Base));
    if (params_ != nullptr && params_->textColor != -1) {
        palette.setColor(QPalette::WindowText, ColourOf(params_->textColor));
    }
    area->setPalette(palette);
    auto* areaLayout = new QHBoxLayout(area);
    areaLayout->setContentsMargins(kMargin + 8, kMargin + 8, kMargin + 8, kMargin);
    areaLayout->setSpacing(kMargin);
    int iconRoom = 0;
    if ((style_ & MB_ICONMASK) != 0) {
        auto* icon = new QLabel(area);
        platform::SetControlId(icon, IDC_XMESSAGEBOX_ICON);
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        iconRoom = kMargin + size;
        icon->setPixmap(style()->standardIcon(IconOf(style_), nullptr, this).pixmap(size, size));
        areaLayout->addWidget(icon, 0, Qt::AlignTop);
    }
    auto* message = new QLabel(platform::ToQString(text), area);
    platform::SetControlId(message, IDC_XMESSAGEBOX_TEXT);
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    // The text wraps at half the screen less 10 (a third of it for a narrow box), less the icon's room.
    const bool narrow = params_ != nullptr && (params_->options & XMSGBOX_OPTIONS_NARROW) != 0;
    const int wrapWidth = narrow ? platform::PrimaryScreenWidth() / 3 : platform::MessageWrapWidth();
    platform::FitWrappedText(message, wrapWidth - iconRoom);
    areaLayout->addWidget(message, 1);
    layout->addWidget(area);

    // The buttons: one row, right-aligned, all at least the minimum width.
    const int minimumWidth = 38 * horizontalUnit / 4;
    const int countdownAllowance =
        params_ != nullptr && params_->countdownSeconds > 0 ? 13 * horizontalUnit / 4 : 0;
    auto* row = new QHBoxLayout;
    row->setContentsMargins(kMargin, 5 + 9, kMargin, 0);
    row->setSpacing(kButtonGap);
    row->addStretch(1);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* button = new QPushButton(platform::ToQString(buttons_[i].label), this);
        const int id = buttons_[i].id;
        platform::SetControlId(button, id);
        button->setAutoDefault(false);
        button->setMinimumWidth(std::max(minimumWidth, metrics.horizontalAdvance(button->text()) + 20) +
                                countdownAllowance);
        button->setMinimumHeight(12 * verticalUnit / 8);
        connect(button, &QPushButton::clicked, this, [this, id] { OnButton(id); });
        row->addWidget(button);
        button_widgets_.push_back(button);
    }
    layout->addLayout(row);
    button_widgets_[default_index_]->setDefault(true);
    button_widgets_[default_index_]->setFocus();

    const std::string checkLabel = XMessageBoxCheckLabel(style_, params_);
    if (!checkLabel.empty()) {
        check_ = new QCheckBox(platform::ToQString(checkLabel), this);
        platform::SetControlId(check_, IDC_XMESSAGEBOX_CHECK);
        connect(check_, &QCheckBox::clicked, this, &XMessageBoxDialog::StopCountdown);
        layout->addSpacing(kCheckBoxGap);
        auto* checkRow = new QHBoxLayout;
        checkRow->setContentsMargins(kCheckBoxLeft, 0, kMargin, 0);
        checkRow->addWidget(check_);
        layout->addLayout(checkRow);
    }
    layout->addSpacing(kMargin / 2);

    // Clicks anywhere in the box stop the count-down.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

int XMessageBoxDialog::Run() {
    if (countdown_left_ > 0) {
        platform::CurrentUiClock().StartTimer(countdown_timer_, kTickMilliseconds);
    }
    if (disabled_left_ > 0) {
        SetButtonsEnabled(false);
        platform::CurrentUiClock().StartTimer(disabled_timer_, kTickMilliseconds);
    }
    exec();
    return answer_;
}

void XMessageBoxDialog::Finish(int buttonId, bool timedOut) {
    unsigned answer = static_cast<unsigned>(buttonId);
    if (check_ != nullptr && check_->isChecked()) {
        answer |= XMessageBoxCheckBit(style_);
    }
    if (timedOut) {
        answer |= XMESSAGEBOX_TIMED_OUT;
    }
    answer_ = static_cast<int>(answer);
    countdown_timer_.stop();
    disabled_timer_.stop();
    done(QDialog::Accepted);
}

void XMessageBoxDialog::OnButton(int buttonId) {
    StopCountdown();
    if (buttonId == IDCANCEL) {
        reject();
    } else if (buttonId == IDHELP_BUTTON) {
        const QFileInfo program(QCoreApplication::applicationFilePath());
        platform::CurrentDesktopServices().OpenPath(
            platform::PathFromQString(program.absolutePath() + "/" + program.completeBaseName() + ".hlp"));
    } else if (buttonId == IDREPORT) {
        params_->reportFunction(text_, params_->reportValue);
    } else {
        Finish(buttonId, false);
    }
}

void XMessageBoxDialog::reject() {
    if (cancel_answer_ == 0 || buttons_disabled_) {
        return;
    }
    answer_ = cancel_answer_;
    countdown_timer_.stop();
    disabled_timer_.stop();
    done(QDialog::Rejected);
}

void XMessageBoxDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

void XMessageBoxDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard();
        return;
    }
    QDialog::keyPressEvent(event);
}

void XMessageBoxDialog::mousePressEvent(QMouseEvent* event) {
    StopCountdown();
    QDialog::mousePressEvent(event);
}

bool XMessageBoxDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        StopCountdown();
    }
    return QDialog::eventFilter(watched, event);
}

void XMessageBoxDialog::OnCountdownTick() {
    QPushButton* button = button_widgets_[default_index_];
    if (countdown_left_ < 1) {
        countdown_timer_.stop();
        Finish(buttons_[default_index_].id, true);
        return;
    }
    button->setText(
        QString("%1 = %2").arg(platform::ToQString(buttons_[default_index_].label)).arg(countdown_left_));
    --countdown_left_;
}

void XMessageBoxDialog::StopCountdown() {
    if (!countdown_timer_.isActive()) {
        return;
    }
    countdown_timer_.stop();
    button_widgets_[default_index_]->setText(platform::ToQString(buttons_[default_index_].label));
}

void XMessageBoxDialog::OnDisabledTick() {
    if (disabled_left_ < 1) {
        disabled_timer_.stop();
        SetButtonsEnabled(true);
        setWindowTitle(caption_);
        return;
    }
    setWindowTitle(caption_ + " " + QString::number(disabled_left_));
    --disabled_left_;
}

void XMessageBoxDialog::SetButtonsEnabled(bool enabled) {
    buttons_disabled_ = !enabled;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].id >= 1 && buttons_[i].id <= kLastCommandButton) {
            button_widgets_[i]->setEnabled(enabled);
        }
    }
}

void XMessageBoxDialog::CopyToClipboard() const {
    std::string text =
        kDashes + platform::FromQString(caption_) + "\r\n" + kDashes + text_ + "\r\n" + kDashes;
    for (QPushButton* button : button_widgets_) {
        text += platform::FromQString(WithoutMnemonic(button->text())) + "   ";
    }
    if (check_ != nullptr) {
        text += platform::FromQString(WithoutMnemonic(check_->text())) + "   ";
    }
    text += "\r\n";
    text += kDashes;
    text.resize(std::min(text.size(), kClipboardLimit));
    QApplication::clipboard()->setText(platform::ToQString(text));
}
