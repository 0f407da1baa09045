// The lines of the graph attribute files.
#include "kivo32/analysis/attribute_lines.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/base/binary_file.h"
#include "platform/base/file_exception.h"
#include "platform/base/string_format.h"
#include "platform/base/temp_file_beside.h"

std::optional<std::string_view> AttributeLineValue(std::string_view line, std::string_view key) {
    if (line.size() < key.size() + 2 || !line.starts_with(key) || line.substr(key.size(), 2) != ": ") {
        return std::nullopt;
    }
    return line.substr(key.size() + 2);
}

int ReadAttributeInt(std::string_view text) {
    const std::string copy(text);
    const long value = std::strtol(copy.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

void ReadAttributeInts(std::string_view text, std::span<int> values) {
    const std::string copy(text);
    const char* position = copy.c_str();
    for (int& value : values) {
        char* end = nullptr;
        const long number = std::strtol(position, &end, 10);
        if (end == position) {
            return;
        }
        value = static_cast<int>(std::clamp<long>(number, INT_MIN, INT_MAX));
        position = end;
    }
}

void ReadAttributeColor(std::string_view text, std::uint32_t& color) {
    int bytes[4] = {static_cast<int>(color >> 24), static_cast<int>((color >> 16) & 0xFF),
                    static_cast<int>((color >> 8) & 0xFF), static_cast<int>(color & 0xFF)};
    ReadAttributeInts(text, bytes);
    color = 0;
    for (const int byte : bytes) {
        color = (color << 8) | (static_cast<std::uint32_t>(byte) & 0xFF);
    }
}

void ReadAttributeHexColor(std::string_view text, std::uint32_t& color) {
    const std::string copy(text);
    char* end = nullptr;
    const unsigned long long value = std::strtoull(copy.c_str(), &end, 16);
    if (end != copy.c_str()) {
        color = static_cast<std::uint32_t>(value);
    }
}

std::string AttributeColorText(std::uint32_t color) {
    return platform::StringPrintf("%u %u %u %u", color >> 24, (color >> 16) & 0xFF, (color >> 8) & 0xFF,
                                  color & 0xFF);
}

std::string AttributeIntsText(std::span<const int> values) {
    std::string text;
    for (const int value : values) {
        text += (text.empty() ? "" : " ") + std::to_string(value);
    }
    return text;
}

CrLfTextFileSave SaveCrLfTextFile(const std::filesystem::path& path, const std::string& text) {
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') {
            lines += '\r';
        }
        lines += c;
    }
    platform::TempFileBeside temporary;
    try {
        temporary = platform::TempFileBeside(path);
    } catch (const CPSTFileException&) {
        return CrLfTextFileSave::NotCreated;
    }
    try {
        platform::BinaryFile file(temporary.Path(), platform::BinaryFile::Mode::Create);
        file.Write(lines.data(), lines.size());
        file.Flush(true);
        file.Close();
        temporary.ReplaceTarget();
        return CrLfTextFileSave::Saved;
    } catch (const CPSTFileException&) {
        return CrLfTextFileSave::NotWritten;
    }
}
