// Small text helpers: blanks, quotes, replacing, fixed-width fields, the settings-file scrambler.
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

std::string Trimmed(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return;
    }
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
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
