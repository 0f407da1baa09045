// PaintDevicePagePainter: the text and lines of a PagePainter drawn with a QPainter on any paint device.
#include "platform/ui/paint_device_page_painter.h"

#include <QFontMetrics>

#include "platform/ui/qt_text.h"

namespace platform {
namespace {

// Point sizes are those of the paper, whatever the device's resolution.
QFont ToQFont(const PrintFont& font, QPaintDevice* device) {
    QFont qfont(QString::fromStdString(font.face));
    qfont.setPointSize(font.pointSize);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    return QFont(qfont, device);
}

}  // namespace

PaintDevicePagePainter::~PaintDevicePagePainter() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool PaintDevicePagePainter::BeginPainting() {
    if (!painter_.begin(&device_)) {
        return false;
    }
    painter_.setFont(ToQFont(font_, &device_));
    return true;
}

bool PaintDevicePagePainter::EndPainting() {
    return painter_.end();
}

PrintFont PaintDevicePagePainter::SelectFont(const PrintFont& font) {
    PrintFont previous = font_;
    font_ = font;
    painter_.setFont(ToQFont(font_, &device_));
    return previous;
}

int PaintDevicePagePainter::TextHeight() const {
    return painter_.fontMetrics().height();
}

int PaintDevicePagePainter::AverageCharWidth() const {
    return painter_.fontMetrics().averageCharWidth();
}

int PaintDevicePagePainter::TextWidth(std::string_view text) const {
    return painter_.fontMetrics().horizontalAdvance(ToQString(text));
}

void PaintDevicePagePainter::TextOut(int x, int y, std::string_view text) {
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), ToQString(text));
}

void PaintDevicePagePainter::Line(int x1, int y1, int x2, int y2) {
    painter_.drawLine(x1, y1, x2, y2);
}

}  // namespace platform
