// The graph canvas on a QPainter: the screen, an image or a printer.
#pragma once

#include <QPainter>

#include "platform/ui/graph/graph_canvas.h"

namespace platform {

class QPainterGraphCanvas : public GraphCanvas {
public:
    // `painter` must be active and outlive the canvas.
    explicit QPainterGraphCanvas(QPainter& painter);

    void SetPen(GraphColor color, int width, GraphLineStyle style) override;
    void SetFont(const GraphFont& font) override;
    void FillRect(const GraphRect& rect, GraphColor color) override;
    void Rectangle(const GraphRect& rect) override;
    void Ellipse(const GraphRect& rect, bool filled) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Polyline(std::span<const GraphPoint> points) override;
    void Polygon(std::span<const GraphPoint> points) override;
    void Text(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) const override;
    int TextHeight() const override;
    void SetClip(const GraphRect& rect) override;
    void ClearClip() override;

private:
    QPainter& painter_;
};

}  // namespace platform
