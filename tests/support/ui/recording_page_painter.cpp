// A PagePainter for tests: records every text, line and page it is given, with fixed font metrics.
#include "tests/support/ui/recording_page_painter.h"

namespace testsupport {

bool RecordingPagePainter::StartPage() {
    balanced_ = balanced_ && !in_page_;
    in_page_ = true;
    ++pages_;
    return true;
}

bool RecordingPagePainter::EndPage() {
    balanced_ = balanced_ && in_page_;
    in_page_ = false;
    return true;
}

platform::PrintFont RecordingPagePainter::SelectFont(const platform::PrintFont& font) {
    platform::PrintFont previous = font_;
    font_ = font;
    return previous;
}

void RecordingPagePainter::TextOut(int x, int y, std::string_view text) {
    balanced_ = balanced_ && in_page_;
    texts_.push_back({pages_, x, y, std::string(text), font_});
}

void RecordingPagePainter::Line(int x1, int y1, int x2, int y2) {
    balanced_ = balanced_ && in_page_;
    lines_.push_back({pages_, x1, y1, x2, y2});
}

std::vector<std::string> RecordingPagePainter::TextLines() const {
    std::vector<std::string> lines;
    for (const auto& text : texts_) {
        lines.push_back(text.text);
    }
    return lines;
}

}  // namespace testsupport
