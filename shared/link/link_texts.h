// Filling the placeholders of user texts without trusting them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Replaces the printf conversions of `format` (%s, %d, %ld, %u, %x...) one by one with `values`, and
// "%%" with "%". A conversion without a value becomes empty: a text from a table never reads memory
// it was not given.
std::string FillPlaceholders(std::string_view format, std::initializer_list<std::string_view> values);
// FillPlaceholders on the text of `id` (LoadText).
std::string FormatLinkText(unsigned id, std::initializer_list<std::string_view> values);
