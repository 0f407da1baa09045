// The PagePainter of a real print-out: a QPainter on a QPrinter, to a printer or to a PDF file.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <filesystem>

#include "platform/ui/page_painter.h"

namespace platform {

class PrinterPagePainter : public PagePainter {
public:
    // `printer` must outlive the painter.
    explicit PrinterPagePainter(QPrinter& printer);
    ~PrinterPagePainter() override;

    // Starts and ends the job; false when the printer or file cannot be opened.
    bool Begin();
    bool End();

    bool StartPage() override;
    bool EndPage() override;
    PrintFont SelectFont(const PrintFont& font) override;
    int TextHeight() const override;
    int AverageCharWidth() const override;
    int TextWidth(std::string_view text) const override;
    void TextOut(int x, int y, std::string_view text) override;
    void Line(int x1, int y1, int x2, int y2) override;
    PageRect DrawingRect() const override;
    int DotsPerInch() const override;

private:
    QPrinter& printer_;
    QPainter painter_;
    PrintFont font_;
    int pages_started_ = 0;
};

// Makes `printer` write a PDF file to `path`.
void SetPdfOutput(QPrinter& printer, const std::filesystem::path& path);

}  // namespace platform
