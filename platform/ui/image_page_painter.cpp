// ImagePagePainter: a PagePainter on an image, for a preview of one printed page.
#include "platform/ui/image_page_painter.h"

namespace platform {

ImagePagePainter::ImagePagePainter(QImage& image, int dotsPerInch)
    : PaintDevicePagePainter(image), image_(image), dots_per_inch_(dotsPerInch) {
    BeginPainting();
}

ImagePagePainter::~ImagePagePainter() {
    EndPainting();
}

bool ImagePagePainter::StartPage() {
    Painter().fillRect(image_.rect(), Qt::white);
    return Painter().isActive();
}

bool ImagePagePainter::EndPage() {
    return Painter().isActive();
}

PageRect ImagePagePainter::DrawingRect() const {
    return PageRect{0, 0, image_.width(), image_.height()};
}

}  // namespace platform
