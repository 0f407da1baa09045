// The PagePainter of a real print-out: a QPainter on a QPrinter, to a printer or to a PDF file.
#include "platform/ui/printer_page_painter.h"

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

PrinterPagePainter::PrinterPagePainter(QPrinter& printer) : printer_(printer) {}

PrinterPagePainter::~PrinterPagePainter() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool PrinterPagePainter::Begin() {
    if (!painter_.begin(&printer_)) {
        return false;
    }
    painter_.setFont(ToQFont(font_, &printer_));
    return true;
}

bool PrinterPagePainter::End() {
    return painter_.end();
}

bool PrinterPagePainter::StartPage() {
    // The painter stands on the first page from Begin; every further page must be asked for.
    const bool ok = pages_started_ == 0 || printer_.newPage();
    ++pages_started_;
    return ok && painter_.isActive();
}

bool PrinterPagePainter::EndPage() {
    return painter_.isActive();
}

PrintFont PrinterPagePainter::SelectFont(const PrintFont& font) {
    PrintFont previous = font_;
    font_ = font;
    painter_.setFont(ToQFont(font_, &printer_));
    return previous;
}

int PrinterPagePainter::TextHeight() const {
    return painter_.fontMetrics().height();
}

int PrinterPagePainter::AverageCharWidth() const {
    return painter_.fontMetrics().averageCharWidth();
}

int PrinterPagePainter::TextWidth(std::string_view text) const {
    return painter_.fontMetrics().horizontalAdvance(ToQString(text));
}

void PrinterPagePainter::TextOut(int x, int y, std::string_view text) {
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), ToQString(text));
}

void PrinterPagePainter::Line(int x1, int y1, int x2, int y2) {
    painter_.drawLine(x1, y1, x2, y2);
}

PageRect PrinterPagePainter::DrawingRect() const {
    const QRect page = printer_.pageLayout().paintRectPixels(printer_.resolution());
    return PageRect{0, 0, page.width(), page.height()};
}

int PrinterPagePainter::DotsPerInch() const {
    return printer_.resolution();
}

void SetPdfOutput(QPrinter& printer, const std::filesystem::path& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PathToQString(path));
}

}  // namespace platform
