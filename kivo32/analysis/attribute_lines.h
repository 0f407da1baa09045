// The lines of the graph attribute files ("<Key>: <value>"): a key's value, the numbers and colours
// read from it the way the files were always read, and a whole file saved with CR LF line ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The value after "<key>: " when the line begins with it; a key elsewhere in the line does not count.
std::optional<std::string_view> AttributeLineValue(std::string_view line, std::string_view key);

// A whole number as the runtime library reads it: blanks, a sign, digits; no number gives 0 and a
// number too large for an int is held at its limit.
int ReadAttributeInt(std::string_view text);
// Up to values.size() blank-separated whole numbers; those missing keep their value.
void ReadAttributeInts(std::string_view text, std::span<int> values);
// Four numbers, the colour's bytes from the most significant; each is held to its byte.
void ReadAttributeColor(std::string_view text, std::uint32_t& color);
// A hexadecimal colour; no number keeps the colour.
void ReadAttributeHexColor(std::string_view text, std::uint32_t& color);

// "a b c d": the colour's bytes from the most significant, in decimal.
std::string AttributeColorText(std::uint32_t color);
std::string AttributeIntsText(std::span<const int> values);

enum class CrLfTextFileSave { Saved, NotCreated, NotWritten };
// Writes `text` (lines ending in "\n") with CR LF line ends beside `path` and renames it over the
// file, so that a failed save leaves the old file whole.
CrLfTextFileSave SaveCrLfTextFile(const std::filesystem::path& path, const std::string& text);
