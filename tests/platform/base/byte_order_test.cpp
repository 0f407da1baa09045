// Tests of the byte-order readers and writers, and of ByteReader and ByteWriter.
#include "platform/base/byte_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

namespace platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct IntegerCase {
    Bytes bytes;  // the value as it lies in the buffer; its size is the width
    ByteOrder order;
    bool isSigned;
    std::int64_t value;
};

// Every width, both orders, the extremes of each signed width and patterns that expose swapped bytes.
const IntegerCase kIntegerCases[] = {
    {{0xAB}, ByteOrder::Little, false, 0xAB},
    {{0x80}, ByteOrder::Little, true, -128},
    {{0x7F}, ByteOrder::Big, true, 127},
    {{0x34, 0x12}, ByteOrder::Little, false, 0x1234},
    {{0x12, 0x34}, ByteOrder::Big, false, 0x1234},
    {{0xFF, 0xFF}, ByteOrder::Big, false, 0xFFFF},
    {{0x00, 0x80}, ByteOrder::Little, true, -32768},
    {{0x7F, 0xFF}, ByteOrder::Big, true, 32767},
    {{0x56, 0x34, 0x12}, ByteOrder::Little, false, 0x123456},
    {{0x12, 0x34, 0x56}, ByteOrder::Big, false, 0x123456},
    {{0xFF, 0xFF, 0xFF}, ByteOrder::Big, false, 0xFFFFFF},
    {{0x80, 0x00, 0x00}, ByteOrder::Big, true, -8388608},
    {{0xFF, 0xFF, 0x7F}, ByteOrder::Little, true, 8388607},
    {{0xFF, 0xFF, 0xFF}, ByteOrder::Little, true, -1},
    {{0x78, 0x56, 0x34, 0x12}, ByteOrder::Little, false, 0x12345678},
    {{0x12, 0x34, 0x56, 0x78}, ByteOrder::Big, false, 0x12345678},
    {{0xFF, 0xFF, 0xFF, 0xFF}, ByteOrder::Little, false, 0xFFFFFFFF},
    {{0x80, 0x00, 0x00, 0x00}, ByteOrder::Big, true, std::numeric_limits<std::int32_t>::min()},
    {{0xFF, 0xFF, 0xFF, 0x7F}, ByteOrder::Little, true, std::numeric_limits<std::int32_t>::max()},
    {{0xFE, 0xFF, 0xFF, 0xFF}, ByteOrder::Little, true, -2},
};

std::int64_t ReadInteger(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t width,
                         bool isSigned, ByteOrder order) {
    // Each branch widened on its own: a ?: of a signed and an unsigned type would lose the sign.
    if (isSigned) {
        switch (width) {
            case 1:
                return ReadS8(bytes, offset);
            case 2:
                return ReadS16(bytes, offset, order);
            case 3:
                return ReadS24(bytes, offset, order);
            default:
                return ReadS32(bytes, offset, order);
        }
    }
    switch (width) {
        case 1:
            return ReadU8(bytes, offset);
        case 2:
            return ReadU16(bytes, offset, order);
        case 3:
            return ReadU24(bytes, offset, order);
        default:
            return ReadU32(bytes, offset, order);
    }
}

void WriteInteger(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t width, bool isSigned,
                  ByteOrder order, std::int64_t value) {
    const auto s = static_cast<std::int32_t>(value);
    const auto u = static_cast<std::uint32_t>(value);
    switch (width) {
        case 1:
            return isSigned ? WriteS8(bytes, offset, static_cast<std::int8_t>(s))
                            : WriteU8(bytes, offset, static_cast<std::uint8_t>(u));
        case 2:
            return isSigned ? WriteS16(bytes, offset, static_cast<std::int16_t>(s), order)
                            : WriteU16(bytes, offset, static_cast<std::uint16_t>(u), order);
        case 3:
            return isSigned ? WriteS24(bytes, offset, s, order) : WriteU24(bytes, offset, u, order);
        default:
            return isSigned ? WriteS32(bytes, offset, s, order) : WriteU32(bytes, offset, u, order);
    }
}

std::int64_t ReaderInteger(ByteReader& reader, std::size_t width, bool isSigned) {
    if (isSigned) {
        switch (width) {
            case 1:
                return reader.S8();
            case 2:
                return reader.S16();
            case 3:
                return reader.S24();
            default:
                return reader.S32();
        }
    }
    switch (width) {
        case 1:
            return reader.U8();
        case 2:
            return reader.U16();
        case 3:
            return reader.U24();
        default:
            return reader.U32();
    }
}

void WriterInteger(ByteWriter& writer, std::size_t width, bool isSigned, std::int64_t value) {
    const auto s = static_cast<std::int32_t>(value);
    const auto u = static_cast<std::uint32_t>(value);
    switch (width) {
        case 1:
            return isSigned ? writer.S8(static_cast<std::int8_t>(s))
                            : writer.U8(static_cast<std::uint8_t>(u));
        case 2:
            return isSigned ? writer.S16(static_cast<std::int16_t>(s))
                            : writer.U16(static_cast<std::uint16_t>(u));
        case 3:
            return isSigned ? writer.S24(s) : writer.U24(u);
        default:
            return isSigned ? writer.S32(s) : writer.U32(u);
    }
}

TEST(ByteOrderTest, IntegersReadAndWriteAtAnOffsetInEveryWidthAndOrder) {
    for (const auto& c : kIntegerCases) {
        SCOPED_TRACE(testing::Message() << "width " << c.bytes.size() << " value " << c.value);
        const std::size_t width = c.bytes.size();
        // Guard bytes on both sides show a read or write that strays outside the field.
        Bytes buffer(width + 2, 0xEE);
        std::copy(c.bytes.begin(), c.bytes.end(), buffer.begin() + 1);
        EXPECT_EQ(ReadInteger(buffer, 1, width, c.isSigned, c.order), c.value);

        Bytes written(width + 2, 0xEE);
        WriteInteger(written, 1, width, c.isSigned, c.order, c.value);
        EXPECT_EQ(written, buffer);

        ByteReader reader(c.bytes, c.order);
        EXPECT_EQ(ReaderInteger(reader, width, c.isSigned), c.value);
        EXPECT_TRUE(reader.ok());
        EXPECT_EQ(reader.remaining(), 0u);

        Bytes appended;
        ByteWriter writer(appended, c.order);
        WriterInteger(writer, width, c.isSigned, c.value);
        EXPECT_EQ(appended, c.bytes);
    }
}

TEST(ByteOrderTest, FloatsKeepTheirExactBitPatterns) {
    struct FloatCase {
        std::uint64_t bits;
        std::size_t width;
    };
    const FloatCase cases[] = {
        {0x3F800000, 4},          // 1.0f
        {0xC0200000, 4},          // -2.5f
        {0x7F800001, 4},          // a signalling NaN: must not pass through a float conversion
        {0x00000001, 4},          // the smallest subnormal
        {0x3FF0000000000000, 8},  // 1.0
        {0xC00C000000000000, 8},  // -3.5
        {0x7FF0000000000001, 8},  // a signalling NaN
    };
    for (const auto& c : cases) {
        for (const ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
            SCOPED_TRACE(testing::Message()
                         << std::hex << c.bits << (order == ByteOrder::Big ? " big" : " little"));
            Bytes bytes(c.width);
            for (std::size_t i = 0; i < c.width; ++i) {
                const std::size_t shift = 8 * (order == ByteOrder::Big ? c.width - 1 - i : i);
                bytes[i] = static_cast<std::uint8_t>(c.bits >> shift);
            }
            Bytes written(c.width);
            ByteReader reader(bytes, order);
            if (c.width == 4) {
                const float value = ReadF32(bytes, 0, order);
                EXPECT_EQ(std::bit_cast<std::uint32_t>(value), c.bits);
                EXPECT_EQ(std::bit_cast<std::uint32_t>(reader.F32()), c.bits);
                WriteF32(written, 0, value, order);
            } else {
                const double value = ReadF64(bytes, 0, order);
                EXPECT_EQ(std::bit_cast<std::uint64_t>(value), c.bits);
                EXPECT_EQ(std::bit_cast<std::uint64_t>(reader.F64()), c.bits);
                WriteF64(written, 0, value, order);
            }
            EXPECT_EQ(written, bytes);
        }
    }
}

TEST(ByteOrderTest, ValuesNotWhollyInsideTheBufferThrow) {
    Bytes buffer(8);
    const std::size_t huge = std::numeric_limits<std::size_t>::max();
    for (const std::size_t width : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(testing::Message() << "width " << width);
        EXPECT_NO_THROW(ReadInteger(buffer, 8 - width, width, false, ByteOrder::Big));
        EXPECT_THROW(ReadInteger(buffer, 9 - width, width, false, ByteOrder::Big), std::out_of_range);
        EXPECT_THROW(ReadInteger(buffer, huge, width, true, ByteOrder::Little), std::out_of_range);
        EXPECT_THROW(WriteInteger(buffer, 9 - width, width, false, ByteOrder::Big, 0), std::out_of_range);
        EXPECT_THROW(WriteInteger(buffer, huge, width, true, ByteOrder::Little, 0), std::out_of_range);
    }
    EXPECT_THROW(ReadF64(std::span(buffer).first(7), 0, ByteOrder::Little), std::out_of_range);
    EXPECT_THROW(WriteF32(buffer, 5, 1.0f, ByteOrder::Little), std::out_of_range);
    EXPECT_THROW(ReadU8(std::span<const std::uint8_t>(), 0), std::out_of_range);
    EXPECT_EQ(buffer, Bytes(8)) << "a refused write must leave the buffer alone";
}

TEST(ByteReaderTest, AShortInputFailsForGoodAndReadsZeros) {
    const Bytes bytes{0x01, 0x02, 0x03};
    ByteReader reader(bytes, ByteOrder::Big);
    EXPECT_EQ(reader.U16(), 0x0102);
    EXPECT_EQ(reader.U16(), 0) << "only one byte is left";
    EXPECT_FALSE(reader.ok());
    EXPECT_EQ(reader.position(), 2u);
    EXPECT_EQ(reader.U8(), 0) << "the failure is sticky although a byte remains";
    EXPECT_TRUE(reader.Bytes(1).empty());
    EXPECT_EQ(reader.FixedText(1), "");
    EXPECT_FALSE(reader.ok());
}

TEST(ByteReaderTest, SequentialFieldsOfAMixedRecord) {
    const Bytes record{0x02, 0x01, 'A', 'B', 0x00, 0x7A, 0x55, 0xFE, 0xFF, 0xFF, 0x09};
    ByteReader reader(record, ByteOrder::Little);
    EXPECT_EQ(reader.U16(), 0x0102);
    EXPECT_EQ(reader.FixedText(4), "AB");
    reader.Skip(1);
    EXPECT_EQ(reader.S24(), -2);
    EXPECT_EQ(reader.Bytes(1), Bytes{0x09});
    EXPECT_TRUE(reader.ok());
    EXPECT_EQ(reader.remaining(), 0u);
}

TEST(ByteWriterTest, BuildsARecordFieldByField) {
    Bytes out;
    ByteWriter writer(out, ByteOrder::Big);
    writer.U8(0x01);
    writer.FixedText("ABCDE", 4);
    writer.Zeros(2);
    writer.Bytes(Bytes{0xAA, 0xBB});
    writer.set_order(ByteOrder::Little);
    writer.U16(0x1234);
    EXPECT_EQ(out, (Bytes{0x01, 'A', 'B', 'C', 0x00, 0x00, 0x00, 0xAA, 0xBB, 0x34, 0x12}));
}

}  // namespace
}  // namespace platform
