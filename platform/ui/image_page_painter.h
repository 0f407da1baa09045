// ImagePagePainter: a PagePainter on an image, for a preview of one printed page on the screen.
#pragma once

#include <QImage>

#include "platform/ui/paint_device_page_painter.h"

namespace platform {

class ImagePagePainter : public PaintDevicePagePainter {
public:
    // `image` (which must outlive the painter) is the whole page at `dotsPerInch`.
    ImagePagePainter(QImage& image, int dotsPerInch);
    ~ImagePagePainter() override;

    // Each page starts on a white image.
    bool StartPage() override;
    bool EndPage() override;
    PageRect DrawingRect() const override;
    int DotsPerInch() const override { return dots_per_inch_; }

private:
    QImage& image_;
    int dots_per_inch_;
};

}  // namespace platform
