// The real-time refresh count.
#include "kivo32/session/refresh_count.h"

#include <charconv>

std::optional<int> ParseRefreshCount(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) {
        text.remove_prefix(1);
    }
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        count < kRefreshCountNeverEnds || count > kRefreshCountHighest) {
        return std::nullopt;
    }
    return count;
}
