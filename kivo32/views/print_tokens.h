// The texts of the grid's print setup: header and footer patterns with date, time and title tokens,
// and margins typed in inches or centimetres.
#pragma once

#include <ctime>
#include <optional>
#include <string>

// Copies `pattern` with "$D" (the date of `now`, MM/DD/YY), "$T" (its time, HH:MM:SS) and "$F"
// (`title`) replaced, in either case; a "$" before any other character, or at the end, stays.
std::string ExpandPrintTokens(const std::string& title, const std::string& pattern, const std::tm& now);

// A margin typed by the user in thousandths of an inch: a number of inches, or of centimetres when the
// text holds "cm", rounded alike. Nullopt for a text without a number or a negative margin.
std::optional<int> ParseMarginText(const std::string& text);
// "%.2f in".
std::string FormatMarginText(int units);
