// What a print-out draws on: pages, fonts by point size, text and lines in device units.
#pragma once

#include <string>
#include <string_view>

namespace platform {

struct PrintFont {
    std::string face = "Arial";
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const PrintFont&) const = default;
};

struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Coordinates are device units of the page, y growing downwards; a text is placed by its top-left
// corner. Texts are Windows-1252.
class PagePainter {
public:
    virtual ~PagePainter() = default;

    // Each page is drawn between StartPage and EndPage; false when the device failed.
    virtual bool StartPage() = 0;
    virtual bool EndPage() = 0;

    // Selects `font` and returns the one it replaces.
    virtual PrintFont SelectFont(const PrintFont& font) = 0;
    // Of the selected font: the height of a line, the average character width, the width of `text`.
    virtual int TextHeight() const = 0;
    virtual int AverageCharWidth() const = 0;
    virtual int TextWidth(std::string_view text) const = 0;

    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;

    // The part of the page that can be drawn on, and the device's resolution.
    virtual PageRect DrawingRect() const = 0;
    virtual int DotsPerInch() const = 0;
};

}  // namespace platform
