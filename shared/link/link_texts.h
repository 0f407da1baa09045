// The link's user texts with their placeholders filled.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The text of `id` (LoadText) with its printf conversions filled by `values` (FillPrintfPlaceholders).
std::string FormatLinkText(unsigned id, std::initializer_list<std::string_view> values);
// The line that tells a link lost with `error` (an errno): the text of `headId`, the error's own text and
// what the user does next.
std::string LostLinkText(unsigned headId, int error);
