// A graph canvas for tests: records every shape and text with the pen colour, with fixed font metrics
// (every character 6 pixels wide, a line 12 high).
#pragma once

#include <string>
#include <vector>

#include "platform/ui/graph/graph_canvas.h"

namespace testsupport {

struct CanvasText {
    int x;
    int y;
    std::string text;
    platform::GraphColor color;
    platform::GraphFont font;
};

struct CanvasPolyline {
    std::vector<platform::GraphPoint> points;
    platform::GraphColor color;
};

struct CanvasLine {
    platform::GraphPoint from;
    platform::GraphPoint to;
    platform::GraphColor color;
};

class RecordingGraphCanvas : public platform::GraphCanvas {
public:
    static constexpr int kCharWidth = 6;
    static constexpr int kLineHeight = 12;

    void SetPen(platform::GraphColor color, int, platform::GraphLineStyle) override { color_ = color; }
    void SetFont(const platform::GraphFont& font) override { font_ = font; }
    void FillRect(const platform::GraphRect& rect, platform::GraphColor color) override {
        fills.push_back({rect, color});
    }
    void Rectangle(const platform::GraphRect&) override {}
    void Ellipse(const platform::GraphRect&, bool) override { ++markers; }
    void Line(double x1, double y1, double x2, double y2) override { lines.push_back({{x1, y1}, {x2, y2}, color_}); }
    void Polyline(std::span<const platform::GraphPoint> points) override {
        polylines.push_back({{points.begin(), points.end()}, color_});
    }
    void Polygon(std::span<const platform::GraphPoint> points) override {
        polygons.push_back({{points.begin(), points.end()}, color_});
    }
    void Text(int x, int y, std::string_view text) override {
        texts.push_back({x, y, std::string(text), color_, font_});
    }
    int TextWidth(std::string_view text) const override { return static_cast<int>(text.size()) * kCharWidth; }
    int TextHeight() const override { return kLineHeight; }
    void SetClip(const platform::GraphRect&) override {}
    void ClearClip() override {}

    // The first text equal to `text`, or nullptr.
    const CanvasText* FindText(const std::string& text) const {
        for (const auto& drawn : texts) {
            if (drawn.text == text) {
                return &drawn;
            }
        }
        return nullptr;
    }

    struct Fill {
        platform::GraphRect rect;
        platform::GraphColor color;
    };
    std::vector<Fill> fills;
    std::vector<CanvasLine> lines;
    std::vector<CanvasPolyline> polylines;
    std::vector<CanvasPolyline> polygons;
    std::vector<CanvasText> texts;
    int markers = 0;

private:
    platform::GraphColor color_ = 0;
    platform::GraphFont font_;
};

}  // namespace testsupport
