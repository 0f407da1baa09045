// The images of the main toolbar's buttons, drawn here so that they scale and need no image files.
#include "kivo32/app/toolbar_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 245);
const QColor kBlue(30, 90, 200);
const QColor kGreen(30, 150, 60);
const QColor kRed(200, 40, 40);
const QColor kYellow(230, 190, 60);

void DrawPage(QPainter& painter) {
    painter.setBrush(kPaper);
    painter.drawPolygon(QPolygonF({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}));
    painter.drawLine(QPointF(10, 1), QPointF(10, 4));
    painter.drawLine(QPointF(10, 4), QPointF(13, 4));
}

// The body of a logger: a box with a display.
void DrawLogger(QPainter& painter) {
    painter.setBrush(QColor(210, 210, 200));
    painter.drawRect(QRectF(2, 3, 10, 11));
    painter.setBrush(kGreen);
    painter.drawRect(QRectF(4, 5, 6, 3));
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour) {
    painter.setPen(QPen(colour, 2));
    painter.drawLine(from, to);
    const QPointF along = (to - from) / std::max(1.0, std::hypot(to.x() - from.x(), to.y() - from.y()));
    const QPointF across(-along.y(), along.x());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(
        QPolygonF({to + along * 2, to - along * 3 + across * 3, to - along * 3 - across * 3}));
    painter.setPen(kInk);
}

// A round badge filling the button.
void DrawDisc(QPainter& painter, const QColor& fill) {
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
}

// An X from (left, top) to (right, bottom).
void DrawCross(QPainter& painter, const QColor& colour, int left, int top, int right, int bottom) {
    painter.setPen(QPen(colour, 2));
    painter.drawLine(left, top, right, bottom);
    painter.drawLine(right, top, left, bottom);
}

void Draw(QPainter& painter, CToolbarImage kind) {
    painter.setPen(kInk);
    switch (kind) {
        case CToolbarImage::NewSetup:
            DrawPage(painter);
            painter.setPen(kBlue);
            for (int y = 7; y <= 12; y += 2) {
                painter.drawLine(5, y, 11, y);
            }
            break;
        case CToolbarImage::Open:
            painter.setBrush(kYellow);
            painter.drawPolygon(QPolygonF({{1, 4}, {6, 4}, {7, 6}, {14, 6}, {14, 14}, {1, 14}}));
            break;
        case CToolbarImage::Save:
            painter.setBrush(kBlue);
            painter.drawRect(QRectF(2, 2, 12, 12));
            painter.setBrush(kPaper);
            painter.drawRect(QRectF(4, 2, 8, 5));
            painter.drawRect(QRectF(5, 10, 6, 4));
            break;
        case CToolbarImage::Print:
            DrawPage(painter);
            painter.setBrush(QColor(160, 160, 160));
            painter.drawRect(QRectF(1, 8, 14, 5));
            break;
        case CToolbarImage::ConnectDirect:
            DrawLogger(painter);
            DrawArrow(painter, QPointF(15, 11), QPointF(10, 11), kGreen);
            break;
        case CToolbarImage::Disconnect:
            DrawLogger(painter);
            DrawCross(painter, kRed, 9, 9, 15, 15);
            break;
        case CToolbarImage::Download:
            DrawLogger(painter);
            DrawArrow(painter, QPointF(12, 2), QPointF(12, 12), kBlue);
            break;
        case CToolbarImage::ReadSetup:
            DrawPage(painter);
            DrawArrow(painter, QPointF(8, 3), QPointF(8, 11), kBlue);
            break;
        case CToolbarImage::Program:
            DrawPage(painter);
            DrawArrow(painter, QPointF(8, 12), QPointF(8, 5), kRed);
            break;
        case CToolbarImage::SetTime:
            DrawDisc(painter, kPaper);
            painter.drawLine(QPointF(8, 8), QPointF(8, 4));
            painter.drawLine(QPointF(8, 8), QPointF(11, 9));
            break;
        case CToolbarImage::RealTime: {
            painter.setBrush(kPaper);
            painter.drawRect(QRectF(1, 2, 14, 12));
            QPainterPath wave(QPointF(2, 8));
            wave.cubicTo(QPointF(5, 1), QPointF(7, 1), QPointF(8, 8));
            wave.cubicTo(QPointF(9, 15), QPointF(11, 15), QPointF(14, 8));
            painter.setPen(QPen(kRed, 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(wave);
            break;
        }
        case CToolbarImage::Properties:
            DrawLogger(painter);
            painter.setPen(QPen(kBlue, 2));
            painter.drawLine(5, 10, 9, 10);
            painter.drawLine(5, 12, 9, 12);
            break;
        case CToolbarImage::Cancel:
            DrawDisc(painter, kRed);
            DrawCross(painter, kPaper, 5, 5, 11, 11);
            break;
        case CToolbarImage::Help:
            DrawDisc(painter, kBlue);
            painter.setPen(kPaper);
            painter.setFont(QFont(painter.font().family(), 8, QFont::Bold));
            painter.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
            break;
        case CToolbarImage::None:
            break;
    }
}

}  // namespace

QIcon DrawToolbarImage(CToolbarImage kind) {
    if (kind == CToolbarImage::None) {
        return {};
    }
    QIcon icon;
    // Drawn at two sizes, so that the buttons stay sharp on a screen with twice the pixels.
    for (const int scale : {1, 2}) {
        QPixmap pixmap(kToolbarImageSize * scale, kToolbarImageSize * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        Draw(painter, kind);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
