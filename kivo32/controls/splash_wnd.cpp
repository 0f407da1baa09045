// The splash window: the start-up and about pictures over the main window.
#include "kivo32/controls/splash_wnd.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "kivo32/controls/picture_resources.h"
#include "platform/base/program_texts.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_clock.h"
#include "shared/controls/controls_ids.h"

namespace {

bool g_enabled = true;
CSplashWnd* g_shown = nullptr;

// Where the about picture's text begins, and the room kept right of it and below the Close button.
const QPoint kAboutTextOrigin(47, 280);
constexpr int kAboutMargin = 16;

// The picture of the resource id, or a plain one of the program's colours where the pictures were not
// installed; it is large enough for the about text.
QPixmap LoadSplashPicture(unsigned id) {
    QPixmap picture;
    if (const auto bytes = LoadPictureResource(id, "bmp")) {
        picture.loadFromData(bytes->data(), static_cast<unsigned>(bytes->size()));
    }
    if (!picture.isNull()) {
        return picture;
    }
    picture = QPixmap(480, 400);
    QPainter painter(&picture);
    QLinearGradient background(0, 0, 0, picture.height());
    background.setColorAt(0, QColor(0, 48, 96));
    background.setColorAt(1, QColor(0, 16, 40));
    painter.fillRect(picture.rect(), background);
    painter.setPen(Qt::white);
    QFont title("Arial", 40, QFont::Bold);
    painter.setFont(title);
    painter.drawText(QRect(0, 80, picture.width(), 120), Qt::AlignCenter, "KIVO 15");
    return picture;
}

}  // namespace

void CSplashWnd::EnableSplashScreen(bool enable) {
    g_enabled = enable;
}

void CSplashWnd::ShowSplashScreen(Mode mode, QWidget* parent, const std::string& text) {
    HideSplashScreen();
    if (!g_enabled) {
        return;
    }
    auto* splash = new CSplashWnd(mode, text, parent);
    g_shown = splash;
    splash->show();
    splash->repaint();
}

void CSplashWnd::HideSplashScreen() {
    CSplashWnd* splash = g_shown;
    if (splash == nullptr) {
        return;
    }
    g_shown = nullptr;
    // Keys and clicks reach the windows again at once; the window goes once control is back in the
    // event loop, as this may run inside one of its own events.
    QApplication::instance()->removeEventFilter(splash);
    splash->timer_.stop();
    splash->hide();
    splash->deleteLater();
    if (QWidget* owner = splash->parentWidget()) {
        owner->update();
    }
}

CSplashWnd* CSplashWnd::Shown() {
    return g_shown;
}

bool CSplashWnd::PreTranslateAppMessage(const QEvent& event) {
    if (g_shown == nullptr) {
        return false;
    }
    switch (event.type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
            HideSplashScreen();
            return true;
        default:
            return false;
    }
}

CSplashWnd::CSplashWnd(Mode mode, std::string text, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      picture_(LoadSplashPicture(mode == kStartUp ? kStartUpPicture : kAboutPicture)),
      mode_(mode),
      text_(std::move(text)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // A splash still shown never keeps the program running once its main window closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setCursor(Qt::ArrowCursor);
    QSize size = picture_.size();
    if (mode_ == kAbout) {
        font_ = QFont("Arial", 12);
        // The text wraps at the picture's right edge; the picture grows downwards to hold it and the
        // button, so that no word of it (the version last) is cut off in any language.
        const int width = size.width() - kAboutTextOrigin.x() - kAboutMargin;
        const QRect needed = QFontMetrics(font_).boundingRect(QRect(kAboutTextOrigin, QSize(width, 0)),
                                                              kTextFlags, platform::ToQString(text_));
        text_rect_ = QRect(kAboutTextOrigin, QSize(width, needed.height()));
        // Any click takes the picture away, so the button needs no handler of its own.
        auto* close = new QPushButton(platform::ToQString(LoadText(IDS_CLOSE)), this);
        close->resize(close->sizeHint());
        close->move(size.width() - kAboutMargin - close->width(), text_rect_.bottom() + kAboutMargin);
        size.setHeight(std::max(size.height(), close->geometry().bottom() + kAboutMargin));
    }
    setFixedSize(size);
    const QRect area = parent != nullptr     ? parent->geometry()
                       : screen() != nullptr ? screen()->availableGeometry()
                                             : QRect();
    move(area.center() - rect().center());
    // Every key and click of the program passes the splash first.
    QApplication::instance()->installEventFilter(this);
    if (mode_ == kStartUp) {
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, [] { HideSplashScreen(); });
        platform::CurrentUiClock().StartTimer(timer_, kStartUpMs);
    }
}

CSplashWnd::~CSplashWnd() {
    if (g_shown == this) {
        g_shown = nullptr;
    }
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Below a picture grown for its text, the picture's last row goes on.
    if (height() > picture_.height()) {
        painter.drawPixmap(QRect(0, picture_.height(), width(), height() - picture_.height()), picture_,
                           QRect(0, picture_.height() - 1, picture_.width(), 1));
    }
    painter.drawPixmap(0, 0, picture_);
    if (mode_ == kAbout && !text_.empty()) {
        painter.setPen(Qt::white);
        painter.setFont(font_);
        painter.drawText(text_rect_, kTextFlags, platform::ToQString(text_));
    }
}

bool CSplashWnd::eventFilter(QObject*, QEvent* event) {
    return PreTranslateAppMessage(*event);
}
