// Fixed-size 8-bit text fields of binary records: bounded on write, read up to their NUL.
#include "platform/base/fixed_text.h"

#include <algorithm>

namespace platform {

std::string ReadFixedText(std::span<const std::uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

void WriteFixedText(std::span<std::uint8_t> field, std::string_view text) {
    if (field.empty()) {
        return;
    }
    const std::size_t kept = std::min(text.size(), field.size() - 1);
    std::copy_n(text.begin(), kept, field.begin());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(kept), field.end(), std::uint8_t{0});
}

std::string BoundedText(std::string_view text, std::size_t fieldSize) {
    // A NUL inside the text ends it when read back.
    text = text.substr(0, text.find('\0'));
    return std::string(text.substr(0, fieldSize == 0 ? 0 : fieldSize - 1));
}

}  // namespace platform
