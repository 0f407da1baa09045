// The hexadecimal parts of the commands the simulated logger takes.
#include "tools/loggersim/command_hex.h"

#include <span>

#include "tools/loggersim/hex_dump.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view digits) {
    if (digits.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = HexDigit(digits[i]);
        const int low = HexDigit(digits[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    return bytes;
}

std::optional<long> HexNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    long value = 0;
    for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value << 4 | digit;
    }
    return value;
}

std::optional<std::vector<std::uint8_t>> TaggedBlockBytes(std::string_view command, std::size_t tagLength) {
    const std::size_t mark = command.rfind(" =");
    if (mark == std::string_view::npos || mark < tagLength) {
        return std::nullopt;
    }
    const std::string_view text = command.substr(0, mark);
    const std::optional<long> sent = HexNumber(command.substr(mark + 2));
    const std::uint16_t checksum =
        HexDumpChecksum(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (!sent || *sent != checksum) {
        return std::nullopt;
    }
    const std::size_t digits = text.find_first_not_of(' ', tagLength);
    return HexBytes(digits == std::string_view::npos ? std::string_view() : text.substr(digits));
}
