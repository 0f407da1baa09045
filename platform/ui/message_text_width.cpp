// How wide a message box's text stands: wrapped at half the screen's width less 10, as wide as its lines.
#include "platform/ui/message_text_width.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace platform {

namespace {

constexpr int kFallbackScreenWidth = 1024;

}  // namespace

int PrimaryScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().width() : kFallbackScreenWidth;
}

int MessageWrapWidth() {
    return PrimaryScreenWidth() / 2 - 10;
}

void FitWrappedText(QLabel* label, int wrapWidth) {
    const QRect wrapped =
        label->fontMetrics().boundingRect(QRect(0, 0, wrapWidth, std::numeric_limits<int>::max() / 2),
                                          Qt::TextWordWrap | Qt::TextExpandTabs, label->text());
    const QMargins margins = label->contentsMargins();
    label->setMinimumSize(wrapped.width() + margins.left() + margins.right(),
                          wrapped.height() + margins.top() + margins.bottom());
    label->setMaximumWidth(std::max(wrapWidth, label->minimumWidth()));
}

}  // namespace platform
