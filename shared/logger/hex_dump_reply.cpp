// Decoding and checking the logger's hex-dump replies.
#include "shared/logger/hex_dump_reply.h"

#include <cstdio>

namespace {

constexpr std::string_view kRefusal = "Hex dump not valid";

// The next digit after filler; -1 when the text runs out or the character is not hex.
int NextDigit(std::string_view& text) {
    while (!text.empty() && IsReplyFiller(text.front())) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return -1;
    }
    const int digit = HexDigitValue(text.front());
    if (digit >= 0) {
        text.remove_prefix(1);
    }
    return digit;
}

std::string_view SkipFiller(std::string_view text) {
    while (!text.empty() && IsReplyFiller(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

unsigned ChecksumStep(unsigned checksum, std::uint8_t byte) {
    return (checksum << 1) + ((checksum & 0x8000) ? 1 : 0) + byte;
}

std::uint16_t BlockChecksum(std::span<const std::uint8_t> bytes) {
    unsigned checksum = 0;
    for (const std::uint8_t byte : bytes) {
        checksum = ChecksumStep(checksum, byte) & 0xFFFF;
    }
    return static_cast<std::uint16_t>(checksum);
}

bool IsReplyFiller(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '>';
}

bool ParseHexByte(std::uint8_t& value, std::string_view& text) {
    std::string_view rest = text;
    const int high = NextDigit(rest);
    if (high < 0) {
        return false;
    }
    const int low = NextDigit(rest);
    if (low < 0) {
        return false;
    }
    value = static_cast<std::uint8_t>(high * 16 + low);
    text = rest;
    return true;
}

bool ParseHexWord(std::uint16_t& value, std::string_view& text) {
    std::string_view rest = text;
    std::uint8_t high = 0;
    std::uint8_t low = 0;
    if (!ParseHexByte(high, rest) || !ParseHexByte(low, rest)) {
        return false;
    }
    value = static_cast<std::uint16_t>(high << 8 | low);
    text = rest;
    return true;
}

HexDumpCheck CheckHexDump(std::string_view reply, int expectedLength) {
    HexDumpCheck result;
    if (reply.empty() || reply.substr(0, kRefusal.size()) == kRefusal) {
        return result;
    }
    const std::string_view text = SkipFiller(reply);
    const std::size_t separator = text.find('=');
    if (separator == std::string_view::npos || text.size() - separator - 1 < 2) {
        return result;
    }
    std::string_view checksumField = text.substr(separator + 1);
    std::uint16_t received = 0;
    if (!ParseHexWord(received, checksumField)) {
        // Without a checksum nothing vouches for the data.
        return result;
    }
    std::string_view data = text.substr(0, separator);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(data.size() / 2);
    unsigned computed = 0;
    while (!SkipFiller(data).empty()) {
        std::uint8_t byte = 0;
        if (!ParseHexByte(byte, data)) {
            return result;
        }
        bytes.push_back(byte);
        computed = ChecksumStep(computed, byte) & 0xFFFF;
    }
    char line[96];
    if (computed != received) {
        std::snprintf(line, sizeof line, "Read Checksum Failed: Computed CRC = 0x%x, Data CRC = 0x%x",
                      computed, unsigned{received});
        result.trace = line;
        return result;
    }
    if (expectedLength >= 0 && static_cast<std::size_t>(expectedLength) != bytes.size()) {
        std::snprintf(line, sizeof line, "Read Byte Count Incorrect: Expected = %d, Actual = %d",
                      expectedLength, static_cast<int>(bytes.size()));
        result.trace = line;
        return result;
    }
    result.ok = true;
    result.bytes = std::move(bytes);
    return result;
}

bool CheckHexGroups(std::string_view text, int groups) {
    constexpr std::size_t kGroup = 4;
    if (groups < 1 || text.size() != static_cast<std::size_t>(groups) * (kGroup + 1) - 1) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool blank = i % (kGroup + 1) == kGroup;
        if (blank ? text[i] != ' ' : HexDigitValue(text[i]) < 0) {
            return false;
        }
    }
    return true;
}

std::string HexEncodeText(std::string_view text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(text.size() * 2);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}
