// The fixed little-endian byte block that every setup-table record keeps, with typed field access.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/byte_order.h"
#include "platform/base/fixed_text.h"

// Records keep every byte as stored, reserved ones included, so a block read and written again is
// unchanged. Offsets and sizes are the records' layout constants.
template <std::size_t N>
class RawBlock {
public:
    static constexpr std::size_t kSize = N;

    std::uint8_t U8(std::size_t offset) const { return platform::ReadU8(bytes_, offset); }
    void SetU8(std::size_t offset, std::uint8_t value) { platform::WriteU8(bytes_, offset, value); }
    std::uint16_t U16(std::size_t offset) const { return platform::ReadU16(bytes_, offset, kOrder); }
    void SetU16(std::size_t offset, std::uint16_t value) {
        platform::WriteU16(bytes_, offset, value, kOrder);
    }
    std::uint32_t U32(std::size_t offset) const { return platform::ReadU32(bytes_, offset, kOrder); }
    void SetU32(std::size_t offset, std::uint32_t value) {
        platform::WriteU32(bytes_, offset, value, kOrder);
    }
    float F32(std::size_t offset) const { return platform::ReadF32(bytes_, offset, kOrder); }
    void SetF32(std::size_t offset, float value) { platform::WriteF32(bytes_, offset, value, kOrder); }

    // A text field: read up to its NUL or its end; written bounded, always ending in a NUL.
    std::string Text(std::size_t offset, std::size_t size) const {
        return platform::ReadFixedText(Field(offset, size));
    }
    void SetText(std::size_t offset, std::size_t size, std::string_view text) {
        platform::WriteFixedText(Field(offset, size), text);
    }

    std::span<const std::uint8_t> Field(std::size_t offset, std::size_t size) const {
        return std::span<const std::uint8_t>(bytes_).subspan(offset, size);
    }
    std::span<std::uint8_t> Field(std::size_t offset, std::size_t size) {
        return std::span<std::uint8_t>(bytes_).subspan(offset, size);
    }

    const std::array<std::uint8_t, N>& Bytes() const { return bytes_; }

    // Takes the next N bytes; false, with the block unchanged, when fewer remain.
    bool Read(platform::ByteReader& reader) {
        if (reader.remaining() < N) {
            return false;
        }
        const std::vector<std::uint8_t> bytes = reader.Bytes(N);
        std::copy(bytes.begin(), bytes.end(), bytes_.begin());
        return true;
    }
    void Write(platform::ByteWriter& writer) const { writer.Bytes(bytes_); }

    bool operator==(const RawBlock&) const = default;

private:
    static constexpr platform::ByteOrder kOrder = platform::ByteOrder::Little;

    std::array<std::uint8_t, N> bytes_{};
};
