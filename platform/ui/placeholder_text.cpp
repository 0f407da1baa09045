// Fills the "%1" to "%9" placeholders of the framework's prompts.
#include "platform/ui/placeholder_text.h"

#include <vector>

namespace platform {

std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values) {
    const std::vector<std::string_view> args(values);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            out += args[index];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace platform
