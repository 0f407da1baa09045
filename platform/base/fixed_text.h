// Fixed-size 8-bit text fields of binary records: bounded on write, read up to their NUL.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace platform {

// The text up to the first NUL, or the whole field when it holds none.
std::string ReadFixedText(std::span<const std::uint8_t> field);

// Copies at most field.size()-1 bytes of `text` and NUL-pads the rest, so the field always ends in a
// NUL. An empty field is left alone.
void WriteFixedText(std::span<std::uint8_t> field, std::string_view text);

// What a field of `fieldSize` bytes keeps of `text` when written and read back.
std::string BoundedText(std::string_view text, std::size_t fieldSize);

}  // namespace platform
