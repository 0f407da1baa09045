// Reading and writing integers and IEEE floats of either byte order in byte spans, with bounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

enum class ByteOrder { Little, Big };

// Each reader throws std::out_of_range when the value does not lie wholly inside `bytes`.
std::uint8_t ReadU8(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order);
std::uint32_t ReadU24(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order);
std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order);
std::int8_t ReadS8(std::span<const std::uint8_t> bytes, std::size_t offset);
std::int16_t ReadS16(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order);
std::int32_t ReadS24(std::span<const std::uint8_t> bytes, std::size_t offset,
                     ByteOrder order);  // sign-extended
std::int32_t ReadS32(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order);
float ReadF32(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order);
double ReadF64(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order);

// Each writer throws std::out_of_range when the value does not fit wholly inside `bytes`.
// The 24-bit writers keep the low 24 bits of the value.
void WriteU8(std::span<std::uint8_t> bytes, std::size_t offset, std::uint8_t value);
void WriteU16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value, ByteOrder order);
void WriteU24(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value, ByteOrder order);
void WriteU32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value, ByteOrder order);
void WriteS8(std::span<std::uint8_t> bytes, std::size_t offset, std::int8_t value);
void WriteS16(std::span<std::uint8_t> bytes, std::size_t offset, std::int16_t value, ByteOrder order);
void WriteS24(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value, ByteOrder order);
void WriteS32(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value, ByteOrder order);
void WriteF32(std::span<std::uint8_t> bytes, std::size_t offset, float value, ByteOrder order);
void WriteF64(std::span<std::uint8_t> bytes, std::size_t offset, double value, ByteOrder order);

// Reads values one after another. A read past the end sets a sticky failure: from then on ok() is
// false, every value is 0 (empty for Bytes and FixedText) and the position no longer moves, so a record
// reader can read all its fields and check ok() once before it commits.
class ByteReader {
public:
    ByteReader(std::span<const std::uint8_t> bytes, ByteOrder order);

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U24();
    std::uint32_t U32();
    std::int8_t S8();
    std::int16_t S16();
    std::int32_t S24();
    std::int32_t S32();
    float F32();
    double F64();
    std::vector<std::uint8_t> Bytes(std::size_t count);
    // A fixed-size 8-bit text field: the text up to its first NUL (see fixed_text.h).
    std::string FixedText(std::size_t fieldSize);
    void Skip(std::size_t count);

    bool ok() const { return ok_; }
    std::size_t position() const { return position_; }
    std::size_t remaining() const { return bytes_.size() - position_; }
    ByteOrder order() const { return order_; }
    void set_order(ByteOrder order) { order_ = order; }

private:
    // The next `count` bytes, or an empty span after marking the failure.
    std::span<const std::uint8_t> Take(std::size_t count);

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    ByteOrder order_;
    bool ok_ = true;
};

// Appends values to a byte vector.
class ByteWriter {
public:
    ByteWriter(std::vector<std::uint8_t>& out, ByteOrder order);

    void U8(std::uint8_t value);
    void U16(std::uint16_t value);
    void U24(std::uint32_t value);
    void U32(std::uint32_t value);
    void S8(std::int8_t value);
    void S16(std::int16_t value);
    void S24(std::int32_t value);
    void S32(std::int32_t value);
    void F32(float value);
    void F64(double value);
    void Bytes(std::span<const std::uint8_t> bytes);
    void Zeros(std::size_t count);
    // A fixed-size 8-bit text field, bounded and NUL-padded (see fixed_text.h).
    void FixedText(std::string_view text, std::size_t fieldSize);

    ByteOrder order() const { return order_; }
    void set_order(ByteOrder order) { order_ = order; }

private:
    // Grows the output by `count` bytes and returns them.
    std::span<std::uint8_t> Append(std::size_t count);

    std::vector<std::uint8_t>& out_;
    ByteOrder order_;
};

}  // namespace platform
