// What the graph draws on: filled and outlined shapes, lines and texts in one colour at a time. The
// screen and the printer draw through QPainter; tests record the calls.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/ui/page_painter.h"

namespace platform {

// Colours are 0xAARRGGBB; the graph draws them opaque whatever their top byte.
using GraphColor = std::uint32_t;

struct GraphPoint {
    double x = 0.0;
    double y = 0.0;
};

// Device pixels, right and bottom outside.
using GraphRect = PageRect;

// Line types: 0 solid, 1 dashed, 2 dotted, 3 dash-dot, 4 dash-dot-dot; others solid.
enum class GraphLineStyle { Solid, Dash, Dot, DashDot, DashDotDot };

struct GraphFont {
    std::string face = "Arial";
    int pixelSize = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const GraphFont&) const = default;
};

// Coordinates in device pixels, y growing downwards; a text is placed by its top-left corner. Texts are
// Windows-1252.
class GraphCanvas {
public:
    virtual ~GraphCanvas() = default;

    virtual void SetPen(GraphColor color, int width, GraphLineStyle style) = 0;
    virtual void SetFont(const GraphFont& font) = 0;

    virtual void FillRect(const GraphRect& rect, GraphColor color) = 0;
    // Outlined with the pen.
    virtual void Rectangle(const GraphRect& rect) = 0;
    virtual void Ellipse(const GraphRect& rect, bool filled) = 0;
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    virtual void Polyline(std::span<const GraphPoint> points) = 0;
    // A closed shape filled with the pen's colour.
    virtual void Polygon(std::span<const GraphPoint> points) = 0;
    virtual void Text(int x, int y, std::string_view text) = 0;

    // Of the selected font.
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int TextHeight() const = 0;

    // Drawing outside `rect` is cut off until the clip is cleared.
    virtual void SetClip(const GraphRect& rect) = 0;
    virtual void ClearClip() = 0;
};

}  // namespace platform
