// The graph canvas on a QPainter.
#include "platform/ui/graph/qpainter_graph_canvas.h"

#include <QFontMetrics>
#include <QPolygonF>

#include "platform/ui/qt_text.h"

namespace platform {
namespace {

QColor ToQColor(GraphColor color) {
    return QColor::fromRgb(static_cast<QRgb>(color | 0xFF000000u));
}

Qt::PenStyle ToPenStyle(GraphLineStyle style) {
    switch (style) {
        case GraphLineStyle::Dash:
            return Qt::DashLine;
        case GraphLineStyle::Dot:
            return Qt::DotLine;
        case GraphLineStyle::DashDot:
            return Qt::DashDotLine;
        case GraphLineStyle::DashDotDot:
            return Qt::DashDotDotLine;
        case GraphLineStyle::Solid:
            break;
    }
    return Qt::SolidLine;
}

QPolygonF ToPolygon(std::span<const GraphPoint> points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const GraphPoint& point : points) {
        polygon.append(QPointF(point.x, point.y));
    }
    return polygon;
}

QRect ToQRect(const GraphRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

}  // namespace

QPainterGraphCanvas::QPainterGraphCanvas(QPainter& painter) : painter_(painter) {}

void QPainterGraphCanvas::SetPen(GraphColor color, int width, GraphLineStyle style) {
    QPen pen(ToQColor(color));
    // One pixel wide lines are cosmetic: the raster engine's fast line path.
    pen.setWidth(width <= 1 ? 0 : width);
    pen.setStyle(ToPenStyle(style));
    painter_.setPen(pen);
}

void QPainterGraphCanvas::SetFont(const GraphFont& font) {
    QFont qfont(QString::fromStdString(font.face));
    qfont.setPixelSize(font.pixelSize);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    painter_.setFont(qfont);
}

void QPainterGraphCanvas::FillRect(const GraphRect& rect, GraphColor color) {
    painter_.fillRect(ToQRect(rect), ToQColor(color));
}

void QPainterGraphCanvas::Rectangle(const GraphRect& rect) {
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1);
}

void QPainterGraphCanvas::Ellipse(const GraphRect& rect, bool filled) {
    painter_.setBrush(filled ? QBrush(painter_.pen().color()) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(ToQRect(rect));
    painter_.setBrush(Qt::NoBrush);
}

void QPainterGraphCanvas::Line(double x1, double y1, double x2, double y2) {
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QPainterGraphCanvas::Polyline(std::span<const GraphPoint> points) {
    painter_.drawPolyline(ToPolygon(points));
}

void QPainterGraphCanvas::Polygon(std::span<const GraphPoint> points) {
    painter_.setBrush(QBrush(painter_.pen().color()));
    painter_.drawPolygon(ToPolygon(points));
    painter_.setBrush(Qt::NoBrush);
}

void QPainterGraphCanvas::Text(int x, int y, std::string_view text) {
    if (text.empty()) {
        return;
    }
    const QFontMetrics metrics = painter_.fontMetrics();
    painter_.drawText(QPoint(x, y + metrics.ascent()), ToQString(text));
}

int QPainterGraphCanvas::TextWidth(std::string_view text) const {
    return painter_.fontMetrics().horizontalAdvance(ToQString(text));
}

int QPainterGraphCanvas::TextHeight() const {
    return painter_.fontMetrics().height();
}

void QPainterGraphCanvas::SetClip(const GraphRect& rect) {
    painter_.setClipRect(ToQRect(rect));
}

void QPainterGraphCanvas::ClearClip() {
    painter_.setClipping(false);
}

}  // namespace platform
