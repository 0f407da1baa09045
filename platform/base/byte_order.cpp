// Reading and writing integers and IEEE floats of either byte order in byte spans, with bounds.
#include "platform/base/byte_order.h"

#include <bit>
#include <stdexcept>

#include "platform/base/fixed_text.h"

namespace platform {
namespace {

void CheckRange(std::size_t size, std::size_t offset, std::size_t width) {
    if (offset > size || size - offset < width) {
        throw std::out_of_range("byte field outside its buffer");
    }
}

// The unsigned value of `width` bytes at `offset`.
std::uint64_t Load(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t width,
                   ByteOrder order) {
    CheckRange(bytes.size(), offset, width);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t index = order == ByteOrder::Big ? i : width - 1 - i;
        value = (value << 8) | bytes[offset + index];
    }
    return value;
}

void Store(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t width, std::uint64_t value,
           ByteOrder order) {
    CheckRange(bytes.size(), offset, width);
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t index = order == ByteOrder::Little ? i : width - 1 - i;
        bytes[offset + index] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::int32_t SignExtend24(std::uint32_t value) {
    return static_cast<std::int32_t>(value << 8) >> 8;
}

}  // namespace

std::uint8_t ReadU8(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint8_t>(Load(bytes, offset, 1, ByteOrder::Little));
}
std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order) {
    return static_cast<std::uint16_t>(Load(bytes, offset, 2, order));
}
std::uint32_t ReadU24(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order) {
    return static_cast<std::uint32_t>(Load(bytes, offset, 3, order));
}
std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order) {
    return static_cast<std::uint32_t>(Load(bytes, offset, 4, order));
}
std::int8_t ReadS8(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int8_t>(ReadU8(bytes, offset));
}
std::int16_t ReadS16(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order) {
    return static_cast<std::int16_t>(ReadU16(bytes, offset, order));
}
std::int32_t ReadS24(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order) {
    return SignExtend24(ReadU24(bytes, offset, order));
}
std::int32_t ReadS32(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order) {
    return static_cast<std::int32_t>(ReadU32(bytes, offset, order));
}
float ReadF32(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order) {
    return std::bit_cast<float>(ReadU32(bytes, offset, order));
}
double ReadF64(std::span<const std::uint8_t> bytes, std::size_t offset, ByteOrder order) {
    return std::bit_cast<double>(Load(bytes, offset, 8, order));
}

void WriteU8(std::span<std::uint8_t> bytes, std::size_t offset, std::uint8_t value) {
    Store(bytes, offset, 1, value, ByteOrder::Little);
}
void WriteU16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value, ByteOrder order) {
    Store(bytes, offset, 2, value, order);
}
void WriteU24(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value, ByteOrder order) {
    Store(bytes, offset, 3, value & 0xFFFFFFu, order);
}
void WriteU32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value, ByteOrder order) {
    Store(bytes, offset, 4, value, order);
}
void WriteS8(std::span<std::uint8_t> bytes, std::size_t offset, std::int8_t value) {
    WriteU8(bytes, offset, static_cast<std::uint8_t>(value));
}
void WriteS16(std::span<std::uint8_t> bytes, std::size_t offset, std::int16_t value, ByteOrder order) {
    WriteU16(bytes, offset, static_cast<std::uint16_t>(value), order);
}
void WriteS24(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value, ByteOrder order) {
    WriteU24(bytes, offset, static_cast<std::uint32_t>(value), order);
}
void WriteS32(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value, ByteOrder order) {
    WriteU32(bytes, offset, static_cast<std::uint32_t>(value), order);
}
void WriteF32(std::span<std::uint8_t> bytes, std::size_t offset, float value, ByteOrder order) {
    WriteU32(bytes, offset, std::bit_cast<std::uint32_t>(value), order);
}
void WriteF64(std::span<std::uint8_t> bytes, std::size_t offset, double value, ByteOrder order) {
    Store(bytes, offset, 8, std::bit_cast<std::uint64_t>(value), order);
}

ByteReader::ByteReader(std::span<const std::uint8_t> bytes, ByteOrder order) : bytes_(bytes), order_(order) {}

std::span<const std::uint8_t> ByteReader::Take(std::size_t count) {
    if (!ok_ || count > remaining()) {
        ok_ = false;
        return {};
    }
    const auto taken = bytes_.subspan(position_, count);
    position_ += count;
    return taken;
}

std::uint8_t ByteReader::U8() {
    const auto field = Take(1);
    return field.empty() ? 0 : ReadU8(field, 0);
}
std::uint16_t ByteReader::U16() {
    const auto field = Take(2);
    return field.empty() ? 0 : ReadU16(field, 0, order_);
}
std::uint32_t ByteReader::U24() {
    const auto field = Take(3);
    return field.empty() ? 0 : ReadU24(field, 0, order_);
}
std::uint32_t ByteReader::U32() {
    const auto field = Take(4);
    return field.empty() ? 0 : ReadU32(field, 0, order_);
}
std::int8_t ByteReader::S8() {
    return static_cast<std::int8_t>(U8());
}
std::int16_t ByteReader::S16() {
    return static_cast<std::int16_t>(U16());
}
std::int32_t ByteReader::S24() {
    return SignExtend24(U24());
}
std::int32_t ByteReader::S32() {
    return static_cast<std::int32_t>(U32());
}
float ByteReader::F32() {
    return std::bit_cast<float>(U32());
}
double ByteReader::F64() {
    const auto field = Take(8);
    return field.empty() ? 0.0 : ReadF64(field, 0, order_);
}

std::vector<std::uint8_t> ByteReader::Bytes(std::size_t count) {
    const auto field = Take(count);
    return {field.begin(), field.end()};
}

std::string ByteReader::FixedText(std::size_t fieldSize) {
    const auto field = Take(fieldSize);
    return ok_ ? ReadFixedText(field) : std::string();
}

void ByteReader::Skip(std::size_t count) {
    Take(count);
}

ByteWriter::ByteWriter(std::vector<std::uint8_t>& out, ByteOrder order) : out_(out), order_(order) {}

std::span<std::uint8_t> ByteWriter::Append(std::size_t count) {
    const std::size_t start = out_.size();
    out_.resize(start + count);
    return std::span<std::uint8_t>(out_).subspan(start, count);
}

void ByteWriter::U8(std::uint8_t value) {
    WriteU8(Append(1), 0, value);
}
void ByteWriter::U16(std::uint16_t value) {
    WriteU16(Append(2), 0, value, order_);
}
void ByteWriter::U24(std::uint32_t value) {
    WriteU24(Append(3), 0, value, order_);
}
void ByteWriter::U32(std::uint32_t value) {
    WriteU32(Append(4), 0, value, order_);
}
void ByteWriter::S8(std::int8_t value) {
    WriteS8(Append(1), 0, value);
}
void ByteWriter::S16(std::int16_t value) {
    WriteS16(Append(2), 0, value, order_);
}
void ByteWriter::S24(std::int32_t value) {
    WriteS24(Append(3), 0, value, order_);
}
void ByteWriter::S32(std::int32_t value) {
    WriteS32(Append(4), 0, value, order_);
}
void ByteWriter::F32(float value) {
    WriteF32(Append(4), 0, value, order_);
}
void ByteWriter::F64(double value) {
    WriteF64(Append(8), 0, value, order_);
}

void ByteWriter::Bytes(std::span<const std::uint8_t> bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::Zeros(std::size_t count) {
    out_.resize(out_.size() + count, 0);
}

void ByteWriter::FixedText(std::string_view text, std::size_t fieldSize) {
    WriteFixedText(Append(fieldSize), text);
}

}  // namespace platform
