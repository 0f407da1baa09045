// Small text helpers: blanks, quotes, replacing, fixed-width fields, the settings-file scrambler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The first character that is neither blank nor tab.
const char* SkipBlanks(const char* text);
// Skips the blanks, tabs, CR, LF and ">" prompts before a logger reply, counting `remaining` down; stops
// when it reaches 0.
const char* SkipBlanksAndPrompt(const char* text, std::size_t& remaining);

// Without one leading and one trailing quote character (double or single).
std::string StripQuotes(std::string_view text);
// Without the characters of `blanks` at either end.
std::string Trimmed(std::string_view text, std::string_view blanks = " \t\r\n");
// Replaces each `from` in `text` by `to`, left to right; a replacement is not searched again. An empty
// `from` leaves the text as it is.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to);

// Copies `source` into a fixed field of `size` bytes: at most size-1 characters, the rest of the field
// zero, so that it always ends in a NUL. A null or empty source gives an empty field; a null target or
// a size of 0 is left alone.
void SafeStringCopy(char* target, const char* source, std::size_t size);
// The text of a fixed field of `size` bytes: up to its first NUL, at most `size` characters; empty for
// a null field.
void SafeStringAssign(std::string& text, const char* source, std::size_t size);

// Scrambles the characters 32-127 of `text` by a pseudo-random sequence from `seed`; others are kept.
// The same call with the same seed gives the text back.
std::string ScrambleText(std::string_view text, std::uint32_t seed);
