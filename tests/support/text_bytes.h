// The bytes of a text as the span that the parsers of received bytes take.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace testsupport {

inline std::span<const std::uint8_t> TextBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace testsupport
