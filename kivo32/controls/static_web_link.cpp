// CStaticWebLink: a text static that opens its link when clicked.
#include "kivo32/controls/static_web_link.h"

#include <QMouseEvent>

#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/qt_text.h"

CStaticWebLink::CStaticWebLink(const std::string& link, QWidget* parent) : QLabel(parent), link_(link) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    ShowTextColor();
}

void CStaticWebLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    if (link_.IsEmpty()) {
        const int id = platform::ControlId(this);
        const std::string fromTexts = id > 0 ? LoadText(static_cast<unsigned>(id)) : std::string();
        link_.SetText(!fromTexts.empty() ? fromTexts : platform::FromQString(text()));
        if (link_.IsEmpty()) {
            return;
        }
    }
    if (link_.Open()) {
        text_color_ = kVisitedColor;
        ShowTextColor();
    } else {
        platform::CurrentDesktopServices().Beep();
    }
}

void CStaticWebLink::ShowTextColor() {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, text_color_);
    setPalette(colors);
}
