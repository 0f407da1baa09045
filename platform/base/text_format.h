// Filling the placeholders of texts from the text tables, never reading a value the caller did not pass.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// For the table texts written with printf conversions (%s, %d, %ld...): each conversion, whatever its
// flags, width and length, takes the next value as text; one without a value becomes empty; "%%" is
// "%"; any other "%" stays.
std::string FillPrintfPlaceholders(std::string_view format, std::initializer_list<std::string_view> values);
// FillPrintfPlaceholders on the program's text of `id` (LoadText).
std::string FormatLoadedText(unsigned id, std::initializer_list<std::string_view> values);

// For the framework's prompts written with "%1" to "%9": "%n" takes the n-th value (from 1); one
// without a value and every other "%" stay.
std::string FillNumberedPlaceholders(std::string_view pattern,
                                     std::initializer_list<std::string_view> values);

// The placeholders of `text` in order: printf conversions, "%%" and "%1" to "%9", as written. Two
// texts that fill alike have the same list.
std::vector<std::string> TextPlaceholders(std::string_view text);

}  // namespace platform
