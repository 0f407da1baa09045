// The PagePainter of a real print-out: a QPainter on a QPrinter, to a printer or to a PDF file.
#pragma once

#include <QPrinter>
#include <filesystem>

#include "platform/ui/paint_device_page_painter.h"

namespace platform {

class PrinterPagePainter : public PaintDevicePagePainter {
public:
    // `printer` must outlive the painter.
    explicit PrinterPagePainter(QPrinter& printer);

    // Starts and ends the job; false when the printer or file cannot be opened.
    bool Begin();
    bool End();

    bool StartPage() override;
    bool EndPage() override;
    PageRect DrawingRect() const override;
    int DotsPerInch() const override;

private:
    QPrinter& printer_;
    int pages_started_ = 0;
};

// Makes `printer` write a PDF file to `path`.
void SetPdfOutput(QPrinter& printer, const std::filesystem::path& path);

}  // namespace platform
