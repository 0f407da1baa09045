// The main frame's placement as the settings keep it: the text of its normal rectangle, the show
// command it starts with and the iconic and maximised values it leaves behind.
#include "kivo32/app/window_placement.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

std::optional<CPlacementRect> ParsePlacementText(std::string_view text) {
    std::array<int, 4> numbers{};
    std::size_t count = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (count == numbers.size()) {
            return std::nullopt;
        }
        const char* first = text.data() + at;
        const char* last = text.data() + end;
        const auto [stop, error] = std::from_chars(first, last, numbers[count]);
        if (error != std::errc() || stop != last) {
            return std::nullopt;
        }
        ++count;
        at = end;
    }
    const CPlacementRect rect{numbers[0], numbers[1], numbers[2], numbers[3]};
    if (count != numbers.size() || rect.right <= rect.left || rect.bottom <= rect.top) {
        return std::nullopt;
    }
    return rect;
}

std::string FormatPlacementText(const CPlacementRect& rect) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%04d %04d %04d %04d", rect.left, rect.top, rect.right,
                  rect.bottom);
    return text.data();
}

int StartupShowCommand(int iconic, int maximized, bool exportBatch) {
    if (exportBatch) {
        return SW_HIDE;
    }
    if (iconic != 0) {
        return SW_SHOWMINNOACTIVE;
    }
    return maximized != 0 ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
}

CSavedWindowState SavedWindowState(int showCommand, bool restoresToMaximized) {
    switch (showCommand) {
        case SW_SHOWMAXIMIZED:
            return {0, 1};
        case SW_SHOWMINIMIZED:
        case SW_SHOWMINNOACTIVE:
            return {1, restoresToMaximized ? 1 : 0};
        default:
            return {0, 0};
    }
}
