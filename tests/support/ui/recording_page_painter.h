// A PagePainter for tests: records every text, line and page it is given, with fixed font metrics.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/page_painter.h"

namespace testsupport {

struct DrawnText {
    int page;
    int x;
    int y;
    std::string text;
    platform::PrintFont font;
};

struct DrawnLine {
    int page;
    int x1, y1, x2, y2;
};

// Metrics: a line is 2 x the point size high, every character the point size wide.
class RecordingPagePainter : public platform::PagePainter {
public:
    explicit RecordingPagePainter(platform::PageRect page = {0, 0, 4800, 6400}, int dotsPerInch = 600)
        : page_(page), dots_per_inch_(dotsPerInch) {}

    bool StartPage() override;
    bool EndPage() override;
    platform::PrintFont SelectFont(const platform::PrintFont& font) override;
    int TextHeight() const override { return 2 * font_.pointSize; }
    int AverageCharWidth() const override { return font_.pointSize; }
    int TextWidth(std::string_view text) const override {
        return static_cast<int>(text.size()) * font_.pointSize;
    }
    void TextOut(int x, int y, std::string_view text) override;
    void Line(int x1, int y1, int x2, int y2) override;
    platform::PageRect DrawingRect() const override { return page_; }
    int DotsPerInch() const override { return dots_per_inch_; }

    const std::vector<DrawnText>& Texts() const { return texts_; }
    const std::vector<DrawnLine>& Lines() const { return lines_; }
    // The texts in the order drawn.
    std::vector<std::string> TextLines() const;
    int PagesStarted() const { return pages_; }
    // True when every page started was ended and nothing was drawn outside a page.
    bool Balanced() const { return balanced_ && !in_page_; }

private:
    platform::PageRect page_;
    int dots_per_inch_;
    platform::PrintFont font_;
    std::vector<DrawnText> texts_;
    std::vector<DrawnLine> lines_;
    int pages_ = 0;
    bool in_page_ = false;
    bool balanced_ = true;
};

}  // namespace testsupport
