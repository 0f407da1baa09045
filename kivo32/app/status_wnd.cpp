// CStatusWnd: the connection status window docked in the main frame while a logger session runs.
#include "kivo32/app/status_wnd.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>

#include "kivo32/app/main_frame_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_clock.h"
#include "shared/common/trace_log.h"
#include "shared/link/lamp_notices.h"
#include "shared/link/session.h"

namespace {

// Lit colours of the lamps of bytes sent, bytes received and a failed command; grey when unlit.
const std::array<QColor, 3> kLitColours = {QColor(0, 0, 255), QColor(0, 0, 255), QColor(255, 0, 0)};
const QColor kUnlitColour(0xC0, 0xC0, 0xC0);

// The picture button: a small window with a bar at its foot, drawn sunken while pressed.
QPixmap PicturePixmap(bool pressed) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const int shift = pressed ? 1 : 0;
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(pressed ? QColor(200, 200, 200) : QColor(240, 240, 240));
    painter.drawRect(2 + shift, 2 + shift, 15, 15);
    painter.setBrush(QColor(30, 90, 200));
    painter.drawRect(2 + shift, 13 + shift, 15, 4);
    return pixmap;
}

QLabel* MakeLamp(unsigned id) {
    auto* lamp = new QLabel;
    lamp->setFixedSize(12, 12);
    lamp->setAutoFillBackground(true);
    lamp->setFrameShape(QFrame::Panel);
    lamp->setFrameShadow(QFrame::Sunken);
    platform::SetControlId(lamp, static_cast<int>(id));
    return lamp;
}

}  // namespace

CStatusWnd::CStatusWnd(SessionSource session, std::function<void()> showHide, QWidget* parent)
    : QWidget(parent),
      session_(std::move(session)),
      show_hide_(std::move(showHide)),
      progress_(new QProgressBar),
      picture_(new QLabel) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    const auto addField = [this, layout](unsigned id, unsigned tipId, int row, int column, int columnSpan) {
        auto* field = new QLabel;
        field->setFrameShape(QFrame::StyledPanel);
        field->setFrameShadow(QFrame::Sunken);
        field->setMinimumWidth(60);
        field->setToolTip(platform::ToQString(LoadText(tipId)));
        platform::SetControlId(field, static_cast<int>(id));
        fields_[id] = field;
        layout->addWidget(field, row, column, 1, columnSpan);
    };
    layout->addWidget(picture_, 0, 0, 2, 1);
    addField(IDC_STATUS_CONNECTION, IDS_STATUS_TIP_CONNECTION, 0, 1, 2);
    addField(IDC_STATUS_MODEL, IDS_STATUS_TIP_MODEL, 0, 3, 1);
    addField(IDC_STATUS_PORT, IDS_STATUS_TIP_PORT, 0, 4, 1);
    addField(IDC_STATUS_SPEED, IDS_STATUS_TIP_SPEED, 0, 5, 1);
    addField(IDC_STATUS_LOGGER_TITLE, IDS_STATUS_TIP_LOGGER_TITLE, 1, 1, 1);
    addField(IDC_STATUS_RECORDING, IDS_STATUS_TIP_RECORDING, 1, 2, 1);
    addField(IDC_STATUS_LINE, IDS_STATUS_TIP_LINE, 1, 3, 3);
    auto* lamps = new QHBoxLayout;
    constexpr std::array kLampTips = {IDS_STATUS_TIP_LAMP_SENT, IDS_STATUS_TIP_LAMP_RECEIVED,
                                      IDS_STATUS_TIP_LAMP_FAILED};
    for (std::size_t i = 0; i < lamps_.size(); ++i) {
        lamps_[i] = MakeLamp(IDC_STATUS_LAMP_SENT + static_cast<unsigned>(i));
        lamps_[i]->setToolTip(platform::ToQString(LoadText(kLampTips[i])));
        lamps->addWidget(lamps_[i]);
    }
    layout->addLayout(lamps, 0, 6);
    layout->addWidget(progress_, 1, 6);
    layout->setColumnStretch(3, 1);

    progress_->setRange(0, 100);
    progress_->setToolTip(platform::ToQString(LoadText(IDS_STATUS_TIP_PROGRESS)));
    picture_->setToolTip(platform::ToQString(LoadText(IDS_STATUS_TIP_PICTURE)));
    progress_->setMaximumWidth(120);
    platform::SetControlId(progress_, static_cast<int>(IDC_STATUS_PROGRESS));
    picture_->setPixmap(PicturePixmap(false));
    picture_->installEventFilter(this);
    platform::SetControlId(picture_, static_cast<int>(IDC_STATUS_PICTURE));
    connect(&tick_, &QTimer::timeout, this, &CStatusWnd::OnTick);
    Refresh();
}

void CStatusWnd::Start() {
    protocol_.Start();
    Refresh();
    platform::CurrentUiClock().StartTimer(tick_, kTickMs);
}

void CStatusWnd::Stop() {
    tick_.stop();
    kept_lamp_notices_.clear();
}

void CStatusWnd::OnStatusMessage(unsigned code, std::intptr_t value, const std::optional<std::string>& text) {
    const std::string shown =
        protocol_.OnStatus(code, value, text, session_(), platform::CurrentUiClock().NowMilliseconds());
    if (!shown.empty()) {
        Trace("------ " + shown + " ------");
    }
    Refresh();
}

void CStatusWnd::KeepLampNotice(platform::Message& message) {
    if (IsRunning() && platform::PayloadAs<CLampNotice>(message) != nullptr) {
        kept_lamp_notices_.push_back(std::move(message.payload));
    }
}

void CStatusWnd::SetDocked(bool docked) {
    picture_->setVisible(docked);
}

void CStatusWnd::OnTick() {
    const CSession* session = session_();
    protocol_.OnTick(session != nullptr && !session->IsBusy(), platform::CurrentUiClock().NowMilliseconds());
    Refresh();
    // The lamps are grey: the link may light them again.
    kept_lamp_notices_.clear();
}

void CStatusWnd::Refresh() {
    const CStatusProtocol::Display& shown = protocol_.Shown();
    for (const auto& [id, field] : fields_) {
        field->setText(platform::ToQString(protocol_.Text(id)));
    }
    for (std::size_t i = 0; i < lamps_.size(); ++i) {
        QPalette palette = lamps_[i]->palette();
        palette.setColor(QPalette::Window, shown.lampsLit[i] ? kLitColours[i] : kUnlitColour);
        lamps_[i]->setPalette(palette);
    }
    progress_->setValue(shown.progressPosition);
    // While the window is hidden, isVisible would say false whatever the bar's own state is.
    progress_->setVisible(shown.progressVisible);
}

bool CStatusWnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched != picture_) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        picture_pressed_ = true;
        picture_->setPixmap(PicturePixmap(true));
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && picture_pressed_) {
        picture_pressed_ = false;
        picture_->setPixmap(PicturePixmap(false));
        const auto* release = static_cast<QMouseEvent*>(event);
        if (picture_->rect().contains(release->position().toPoint()) && show_hide_) {
            show_hide_();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
