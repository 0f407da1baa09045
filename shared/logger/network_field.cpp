// Converting wired network values to and from the loggers' field form.
#include "shared/logger/network_field.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

// Takes at most `most` characters of `text` from `at` up to `separator`, then moves past one character
// more when `skip`.
std::string_view TakePart(std::string_view text, std::size_t& at, char separator, std::size_t most,
                          bool skip) {
    const std::size_t start = std::min(at, text.size());
    std::size_t end = start;
    while (end < text.size() && end - start < most && text[end] != separator) {
        ++end;
    }
    at = skip ? std::min(end + 1, text.size()) : end;
    return text.substr(start, end - start);
}

long ParseDecimal(std::string_view digits) {
    // strtol, unlike atoi, stays defined for any number of digits.
    return std::strtol(std::string(digits).c_str(), nullptr, 10);
}

unsigned long ParseHex(std::string_view digits) {
    return std::strtoul(std::string(digits).c_str(), nullptr, 16);
}

std::string Hex(unsigned long value, int digits) {
    char text[12];
    std::snprintf(text, sizeof text, "%0*lX", digits, value);
    return text;
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

}  // namespace

std::string FormatNetworkField(int kind, std::string_view text) {
    std::string field;
    std::size_t at = 0;
    switch (kind) {
        case kNetworkAddress:
        case kNetworkMask:
        case kNetworkGateway:
            for (int number = 0; number < 4; ++number) {
                const long value = ParseDecimal(TakePart(text, at, '.', 3, number < 3));
                field += Hex(static_cast<unsigned long>(value) & 0xFFu, 2);
            }
            break;
        case kNetworkPort:
            field = Hex(static_cast<unsigned long>(ParseDecimal(text)) & 0xFFFFu, 4);
            break;
        case kNetworkMac:
            for (int group = 0; group < 6; ++group) {
                const std::string_view part = TakePart(text, at, ':', 2, true);
                field += std::string(2 - part.size(), '0');
                field += part;
            }
            break;
        default:
            break;
    }
    return Upper(field);
}

std::string FormatSettingText(int kind, std::string_view field) {
    if (!field.empty() && field.back() == '\r') {
        field.remove_suffix(1);
    }
    std::size_t at = 0;
    const auto next = [&](std::size_t digits) { return TakePart(field, at, '\0', digits, false); };
    std::string text;
    switch (kind) {
        case kNetworkAddress:
        case kNetworkMask:
        case kNetworkGateway:
            for (int number = 0; number < 4; ++number) {
                text += (number ? "." : "") + std::to_string(ParseHex(next(2)));
            }
            break;
        case kNetworkPort:
            text = std::to_string(ParseHex(next(4)));
            break;
        case kNetworkMac:
            for (int group = 0; group < 6; ++group) {
                text += (group ? ":" : "") + std::string(next(2));
            }
            text = Upper(text);
            break;
        default:
            break;
    }
    return text;
}
