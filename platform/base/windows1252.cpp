// Conversion between 8-bit Windows-1252 text (files, logger commands) and UTF-8 (the user interface).
#include "platform/base/windows1252.h"

#include <array>
#include <cstdint>

namespace platform {
namespace {

// Bytes 0x80-0x9F; every other byte is the code point of the same number. The five bytes without a
// character keep their own number (a control character), so that a text shown and taken back from the
// user interface keeps them.
constexpr std::array<char32_t, 32> kHighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t CodePointOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControlBlock[byte - 0x80] : byte;
}

// The byte for `code`, or -1 when Windows-1252 has none.
int ByteOf(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<int>(code);
    }
    for (std::size_t i = 0; i < kHighControlBlock.size(); ++i) {
        if (kHighControlBlock[i] == code) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos` and moves past it; -1 for a malformed sequence (skipping one
// byte), so that a bad byte never swallows the text after it.
long DecodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return -1;
    }
    if (text.size() - pos < length) {
        ++pos;
        return -1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return -1;
        }
        code = (code << 6) | (next & 0x3F);
    }
    pos += length;
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return -1;
    }
    return static_cast<long>(code);
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view text, char replacement) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const long code = DecodeUtf8(text, pos);
        const int byte = code < 0 ? -1 : ByteOf(static_cast<char32_t>(code));
        out += byte < 0 ? replacement : static_cast<char>(byte);
    }
    return out;
}

std::string PathToWindows1252(const std::filesystem::path& path) {
    return Utf8ToWindows1252(path.string());
}

std::filesystem::path PathFromWindows1252(std::string_view text) {
    return std::filesystem::path(Windows1252ToUtf8(text));
}

}  // namespace platform
