// Conversion between 8-bit Windows-1252 text (files, logger commands) and UTF-8 (the user interface).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character and become the control characters of the
// same number (U+0081...), so that every byte comes back unchanged.
std::string Windows1252ToUtf8(std::string_view text);

// Characters without a Windows-1252 byte, and malformed UTF-8 sequences, become `replacement`.
std::string Utf8ToWindows1252(std::string_view text, char replacement = '?');

// A path (UTF-8 on this system) as the program's 8-bit texts and messages carry it.
std::string PathToWindows1252(const std::filesystem::path& path);
// The path an 8-bit text (a setting, a message) names.
std::filesystem::path PathFromWindows1252(std::string_view text);

}  // namespace platform
