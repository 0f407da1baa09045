// Checks and parsing of the IPv4 and MAC addresses that the network and Wi-Fi settings take.
#include "shared/common/address_checks.h"

#include <arpa/inet.h>

#include <array>
#include <cctype>
#include <optional>
#include <string>

#include "platform/base/string_format.h"
#include "shared/common/text_helpers.h"

namespace {

// The four parts of a dotted decimal address, or nullopt.
std::optional<std::array<int, 4>> DottedDecimal(std::string_view text) {
    std::array<int, 4> parts{};
    std::size_t position = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (position >= text.size() || text[position] != '.') {
                return std::nullopt;
            }
            ++position;
        }
        int digits = 0;
        int value = 0;
        while (position < text.size() && std::isdigit(static_cast<unsigned char>(text[position])) &&
               digits < 3) {
            value = value * 10 + (text[position] - '0');
            ++position;
            ++digits;
        }
        if (digits == 0 || value > 255) {
            return std::nullopt;
        }
        parts[i] = value;
    }
    if (position != text.size()) {
        return std::nullopt;
    }
    return parts;
}

}  // namespace

bool IsValidIPAddress(std::string_view text, int lowestFirst, int highestFirst) {
    const auto parts = DottedDecimal(Trimmed(text));
    return parts && (*parts)[0] >= lowestFirst && (*parts)[0] <= highestFirst;
}

bool IsValidMACAddress(std::string_view text) {
    int groups = 0;
    std::size_t position = 0;
    while (true) {
        int digits = 0;
        while (position < text.size() && std::isxdigit(static_cast<unsigned char>(text[position]))) {
            ++position;
            ++digits;
        }
        if (digits < 1 || digits > 2) {
            return false;
        }
        ++groups;
        if (position == text.size()) {
            return groups == 6;
        }
        if (text[position] != ':' || groups == 6) {
            return false;
        }
        ++position;
    }
}

std::uint32_t ParseIPAddress(std::string_view text) {
    const std::string trimmed = Trimmed(text);
    if (const auto parts = DottedDecimal(trimmed)) {
        const std::string plain =
            platform::StringPrintf("%d.%d.%d.%d", (*parts)[0], (*parts)[1], (*parts)[2], (*parts)[3]);
        return ::inet_addr(plain.c_str());
    }
    return ::inet_addr(std::string(text).c_str());
}
