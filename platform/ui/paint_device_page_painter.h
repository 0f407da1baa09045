// PaintDevicePagePainter: the text and lines of a PagePainter drawn with a QPainter on any paint device;
// the device decides the pages.
#pragma once

#include <QPainter>

#include "platform/ui/page_painter.h"

namespace platform {

class PaintDevicePagePainter : public PagePainter {
public:
    PrintFont SelectFont(const PrintFont& font) override;
    int TextHeight() const override;
    int AverageCharWidth() const override;
    int TextWidth(std::string_view text) const override;
    void TextOut(int x, int y, std::string_view text) override;
    void Line(int x1, int y1, int x2, int y2) override;

protected:
    // `device` must outlive the painter.
    explicit PaintDevicePagePainter(QPaintDevice& device) : device_(device) {}
    ~PaintDevicePagePainter() override;

    // Starts painting on the device with the selected font; false when the device cannot be painted on.
    bool BeginPainting();
    bool EndPainting();
    QPainter& Painter() { return painter_; }
    const QPainter& Painter() const { return painter_; }

private:
    QPaintDevice& device_;
    QPainter painter_;
    PrintFont font_;
};

}  // namespace platform
