// Fills the "%1" to "%9" placeholders of the framework's prompts.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace platform {

// "%n" becomes the n-th value (from 1); a placeholder without a value and every other "%" stay as they
// are. The values are taken as text, never as formats.
std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace platform
