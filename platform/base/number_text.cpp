// Numbers as text and back: significant digits, decimals, strict parsing.
#include "platform/base/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/base/string_format.h"

std::string FloatToSignificantText(float value, int digits) {
    digits = std::max(digits, 1);
    if (!std::isfinite(value)) {
        return platform::StringPrintf("%g", static_cast<double>(value));
    }
    const double magnitude = std::fabs(static_cast<double>(value));
    // The exact decimal expansion tells where the first significant digit stands.
    const std::string expansion = platform::StringPrintf("%.20f", magnitude);
    const std::size_t point = expansion.find('.');
    const std::size_t first = expansion.find_first_of("123456789");
    int decimals = digits - 1;
    if (first != std::string::npos) {
        decimals = first < point ? digits - static_cast<int>(point - first)
                                 : digits + static_cast<int>(first - point - 1);
    }
    decimals = std::max(decimals, 0);
    std::string text = platform::StringPrintf("%.*f", decimals, magnitude);

    // Rounding may have carried into a new leading digit (9.99 -> 10.0): drop the fraction digits
    // beyond the requested count, never a digit before the point.
    const std::size_t textPoint = text.find('.');
    const std::size_t textFirst = text.find_first_of("123456789");
    if (textPoint != std::string::npos && textFirst != std::string::npos) {
        int seen = 0;
        for (std::size_t i = textFirst; i < text.size(); ++i) {
            if (text[i] != '.' && ++seen == digits) {
                text.resize(std::max(i + 1, textPoint));
                break;
            }
        }
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    const bool negative = std::signbit(value) && text.find_first_of("123456789") != std::string::npos;
    return negative ? "-" + text : text;
}

int CountDecimals(std::string_view text) {
    const std::size_t point = text.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

int CountLeadingDigits(std::string_view text) {
    const std::size_t end = text.find_first_not_of("0123456789");
    return static_cast<int>(end == std::string_view::npos ? text.size() : end);
}

namespace {

// The text without the blanks and tabs around it and without a leading plus sign (from_chars takes none);
// false when nothing is left.
bool TrimNumberText(std::string_view& text) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) {
        return false;
    }
    text.remove_prefix(start);
    text.remove_suffix(text.size() - 1 - text.find_last_not_of(kBlanks));
    if (text.starts_with('+') && !text.starts_with("+-")) {
        text.remove_prefix(1);
    }
    return true;
}

}  // namespace

bool ParseDouble(std::string_view text, double& value) {
    if (!TrimNumberText(text)) {
        return false;
    }
    double parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

bool ParseInt(std::string_view text, int& value) {
    if (!TrimNumberText(text)) {
        return false;
    }
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    value = parsed;
    return true;
}
