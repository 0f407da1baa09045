// Byte vectors written by hand for golden tests: hex text, zero runs and text fields, joined with +.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace golden {

using Bytes = std::vector<std::uint8_t>;

// "00 41 41 00": bytes in hex separated by blanks.
inline Bytes Hex(std::string_view text) {
    Bytes bytes;
    std::istringstream in{std::string(text)};
    std::string byte;
    while (in >> byte) {
        bytes.push_back(static_cast<std::uint8_t>(std::strtoul(byte.c_str(), nullptr, 16)));
    }
    return bytes;
}

inline Bytes Zeros(std::size_t count) {
    return Bytes(count, 0);
}

// The characters of `text` followed by zero bytes up to `fieldSize`.
inline Bytes Text(std::string_view text, std::size_t fieldSize) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(fieldSize, 0);
    return bytes;
}

inline Bytes operator+(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

inline Bytes Repeat(const Bytes& bytes, int times) {
    Bytes all;
    for (int i = 0; i < times; ++i) {
        all = all + bytes;
    }
    return all;
}

}  // namespace golden
