// The PagePainter of a real print-out: a QPainter on a QPrinter, to a printer or to a PDF file.
#include "platform/ui/printer_page_painter.h"

#include "platform/ui/qt_text.h"

namespace platform {

PrinterPagePainter::PrinterPagePainter(QPrinter& printer) : PaintDevicePagePainter(printer), printer_(printer) {}

bool PrinterPagePainter::Begin() {
    return BeginPainting();
}

bool PrinterPagePainter::End() {
    return EndPainting();
}

bool PrinterPagePainter::StartPage() {
    // The painter stands on the first page from Begin; every further page must be asked for.
    const bool ok = pages_started_ == 0 || printer_.newPage();
    ++pages_started_;
    return ok && Painter().isActive();
}

bool PrinterPagePainter::EndPage() {
    return Painter().isActive();
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
