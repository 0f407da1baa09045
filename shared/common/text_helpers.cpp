// Small text helpers: blanks, quotes, fixed-width fields, the settings-file scrambler.
#include "shared/common/text_helpers.h"

#include <cstring>

const char* SkipBlanks(const char* text) {
    while (*text == ' ' || *text == '\t') {
        ++text;
    }
    return text;
}

const char* SkipBlanksAndPrompt(const char* text, std::size_t& remaining) {
    while (remaining > 0 && *text != '\0' && std::strchr(" \t\r\n>", *text) != nullptr) {
        ++text;
        --remaining;
    }
    return text;
}

std::string StripQuotes(std::string_view text) {
    const auto isQuote = [](char c) { return c == '"' || c == '\''; };
    if (!text.empty() && isQuote(text.front())) {
        text.remove_prefix(1);
    }
    if (!text.empty() && isQuote(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

void SafeStringCopy(char* target, const char* source, std::size_t size) {
    if (target == nullptr || size == 0) {
        return;
    }
    const std::size_t length = source == nullptr ? 0 : ::strnlen(source, size - 1);
    std::memcpy(target, source == nullptr ? "" : source, length);
    std::memset(target + length, 0, size - length);
}

void SafeStringAssign(std::string& text, const char* source, std::size_t size) {
    text.assign(source == nullptr ? "" : source, source == nullptr ? 0 : ::strnlen(source, size));
}

std::string ScrambleText(std::string_view text, std::uint32_t seed) {
    std::string result(text);
    std::uint32_t state = seed;
    for (char& c : result) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 32 || code > 127) {
            continue;
        }
        state = state * 1812433253u + 2531011u;
        c = static_cast<char>(code ^ (state & 0x1F));
    }
    return result;
}
