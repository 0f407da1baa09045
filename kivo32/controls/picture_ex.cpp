// A control that shows a picture from the program's pictures or from memory, and prints it in tiles.
#include "kivo32/controls/picture_ex.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "kivo32/controls/picture_resources.h"
#include "platform/base/string_format.h"
#include "platform/ui/qt_text.h"
#include "shared/common/trace_log.h"

namespace {

constexpr int kTile = 500;
constexpr int kPageOrigin = 500;
constexpr QPoint kTitlePosition{500, 250};
constexpr double kMaximumScale = 4.5;
constexpr int kTitlePenWidth = 12;

int Scaled(int pixels, double scale) {
    return static_cast<int>(std::lround(pixels * scale));
}

}  // namespace

std::vector<PictureTile> PicturePrintTiles(QSize picture, double scaleX, double scaleY, QSize page,
                                           std::vector<std::string>& warnings) {
    // Cuts `length` so that origin + length stays within `limit`, noting the warning `format`.
    const auto cut = [&warnings](const char* format, int origin, int& length, int limit) {
        if (origin + length > limit) {
            warnings.push_back(platform::StringPrintf(format, origin, length, limit));
            length = limit - origin;
            return true;
        }
        return false;
    };
    std::vector<PictureTile> tiles;
    for (int sourceY = 0; sourceY < picture.height(); sourceY += kTile) {
        int sourceHeight = kTile;
        cut("Warning: nYSrcOrigin(%d) + nSrcHeight(%d) >= m_PictureSize.cy(%d). Adjusting nSrcHeight.", sourceY,
            sourceHeight, picture.height());
        const int destY = kPageOrigin + Scaled(sourceY, scaleY);
        if (destY >= page.height()) {
            break;  // the rest of the picture lies below the page
        }
        for (int sourceX = 0; sourceX < picture.width(); sourceX += kTile) {
            int sourceWidth = kTile;
            cut("Warning: nXSrcOrigin(%d) + nSrcWidth(%d) >= m_PictureSize.cx(%d). Adjusting nSrcWidth.", sourceX,
                sourceWidth, picture.width());
            const int destX = kPageOrigin + Scaled(sourceX, scaleX);
            if (destX >= page.width()) {
                break;  // the rest of the row lies beyond the page
            }
            int destWidth = Scaled(sourceWidth, scaleX);
            int destHeight = Scaled(sourceHeight, scaleY);
            QRect source(sourceX, sourceY, sourceWidth, sourceHeight);
            // A tile past the page's edge is cut there, its source with it, so nothing is squeezed.
            if (cut("Warning: nXDestOrigin(%d) + nDestWidth(%d) >= nPrinterSizeX(%d). Adjusting nDestWidth.", destX,
                    destWidth, page.width())) {
                source.setWidth(std::max(1, static_cast<int>(destWidth / scaleX)));
            }
            if (cut("Warning: nYDestOrigin(%d) + nDestHeight(%d) >= nPrinterSizeY(%d). Adjusting nDestHeight.", destY,
                    destHeight, page.height())) {
                source.setHeight(std::max(1, static_cast<int>(destHeight / scaleY)));
            }
            tiles.push_back({source, QRect(destX, destY, destWidth, destHeight)});
        }
    }
    return tiles;
}

CPictureEx::CPictureEx(QWidget* parent) : QWidget(parent) {}

CPictureEx::~CPictureEx() = default;

bool CPictureEx::Load(unsigned resourceId, std::string_view type) {
    const auto bytes = LoadPictureResource(resourceId, type);
    if (!bytes) {
        UnLoad();
        return false;
    }
    return Load(bytes->data(), bytes->size());
}

bool CPictureEx::Load(const std::uint8_t* data, std::size_t size) {
    UnLoad();
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const int count = reader.imageCount();
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        Trace("Load: Error locking memory\n");
        return false;
    }
    image_ = std::move(image);
    image_count_ = std::max(1, count);
    off_screen_ = QImage(image_.size(), QImage::Format_RGB32);
    off_screen_.fill(background_);
    loaded_ = true;
    setMinimumSize(image_.size());
    return true;
}

void CPictureEx::UnLoad() {
    loaded_ = false;
    image_count_ = 0;
    image_ = {};
    off_screen_ = {};
}

bool CPictureEx::Draw() {
    if (!loaded_) {
        Trace("Call one of the CPictureEx::Load() member functions before calling Draw()\n");
        return false;
    }
    if (IsAnimated()) {
        Trace("Support of Animated GIF files has been disabled.");
        return false;
    }
    QPainter painter(&off_screen_);
    painter.drawImage(QPoint(0, 0), image_);
    painter.end();
    update();
    return true;
}

bool CPictureEx::Print(const std::string& title) {
    QPrinter printer(QPrinter::HighResolution);
    return Print(printer, title);
}

bool CPictureEx::Print(QPrinter& printer, const std::string& title) {
    if (!loaded_) {
        Trace("Error: Picture object not initialized.");
        return false;
    }
    printer.setDocName(platform::ToQString(title));
    QPainter painter;
    if (!painter.begin(&printer)) {
        Trace("Error: Could not obtain printer information.");
        return false;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenX = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    const double screenY = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    const double scaleX = std::min(kMaximumScale, printer.resolution() / screenX);
    const double scaleY = std::min(kMaximumScale, printer.resolution() / screenY);
    const QSize page = painter.viewport().size();

    painter.setPen(QPen(QColor(1, 1, 1), kTitlePenWidth));
    painter.drawText(kTitlePosition + QPoint(0, painter.fontMetrics().ascent()), platform::ToQString(title));
    std::vector<std::string> warnings;
    for (const PictureTile& tile : PicturePrintTiles(off_screen_.size(), scaleX, scaleY, page, warnings)) {
        if (!painter.isActive()) {
            Trace("CPictureEx::Print(): StretchBlt failed (Error: 0)");
            printer.abort();
            painter.end();
            return false;
        }
        painter.drawImage(tile.destination, off_screen_, tile.source);
    }
    for (const std::string& warning : warnings) {
        Trace(warning);
    }
    return painter.end();
}

void CPictureEx::paintEvent(QPaintEvent*) {
    if (loaded_) {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), off_screen_);
    }
}
