// Numbers in the fields of logger replies and images.
#include "shared/common/logger_fields.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "tests/support/fake_app_context.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(LoggerFieldsTest, ReadsBigEndianIntegers) {
    EXPECT_EQ(BytesToShort(Bytes{0x12, 0x34}), 0x1234);
    EXPECT_EQ(BytesToShort(Bytes{0xFF, 0xFE}), -2);
    EXPECT_EQ(BytesToUShort(Bytes{0xFF, 0xFE}), 0xFFFE);
    EXPECT_EQ(Bytes3ToLong(Bytes{0xFF, 0xFF, 0xFE}), -2);
    EXPECT_EQ(Bytes3ToLong(Bytes{0x7F, 0xFF, 0xFF}), 0x7FFFFF);
    EXPECT_EQ(Bytes3ToLong(Bytes{0x80, 0x00, 0x00}), -0x800000);
    EXPECT_EQ(Bytes3ToULong(Bytes{0xFF, 0xFF, 0xFE}), 0xFFFFFEu);
    EXPECT_EQ(BytesToLong(Bytes{0xFF, 0xFF, 0xFF, 0xFE}), -2);
    EXPECT_EQ(BytesToLong(Bytes{0x01, 0x02, 0x03, 0x04}), 0x01020304);
    EXPECT_EQ(BytesToULong(Bytes{0xFF, 0xFF, 0xFF, 0xFE}), 0xFFFFFFFEu);
}

TEST(LoggerFieldsTest, AShortFieldIsAnErrorNotARead) {
    EXPECT_THROW(BytesToShort(Bytes{0x12}), std::out_of_range);
    EXPECT_THROW(Bytes3ToLong(Bytes{0x12, 0x34}), std::out_of_range);
    EXPECT_THROW(BytesToULong(Bytes{1, 2, 3}), std::out_of_range);
    EXPECT_THROW(GetLoggerFloat(Bytes{0xFF, 0, 0}, 0), std::out_of_range);
    EXPECT_THROW(GetLoggerFloat(Bytes{0, 0, 0x80}, 14), std::out_of_range);
}

TEST(LoggerFieldsTest, ReadsFloatsInTheByteOrderOfTheModel) {
    struct Case {
        Bytes bytes;
        int model;
        float value;
    };
    const Case cases[] = {
        {{0x3F, 0xC0, 0x00, 0x00}, 0, 1.5f},  // big-endian IEEE single
        {{0xC2, 0x48, 0x00, 0x00}, 10, -50.0f},
        {{0xFF, 0x00, 0x00, 0x00}, 0, 0.0f},  // the older models' empty value
        {{0xFF, 0x80, 0x00, 0x00}, 12, 0.0f},
        {{0xFF, 0x00, 0x00, 0x00}, -1, 0.0f},  // a file of unknown model reads as the older ones
        {{0x00, 0x00, 0xC0, 0x3F}, 13, 1.5f},  // QUARVEN: little-endian
        {{0x00, 0x00, 0x00, 0x00}, 14, 0.0f},
        {{0x00, 0x00, 0x48, 0xC2}, 14, -50.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetLoggerFloat(c.bytes, c.model), c.value) << "model " << c.model;
    }
    // The same bytes from a QUARVEN KX are a native float, not the empty value.
    EXPECT_NE(GetLoggerFloat(Bytes{0xFF, 0x00, 0x00, 0x00}, 14), 0.0f);
    EXPECT_EQ(LoggerByteOrder(12), platform::ByteOrder::Big);
    EXPECT_EQ(LoggerByteOrder(13), platform::ByteOrder::Little);
}

TEST(LoggerFieldsTest, AFileDecodesTheSameWhateverLoggerIsConnected) {
    testsupport::FakeAppContext context;
    const Bytes field{0x3F, 0xC0, 0x00, 0x00};
    context.SetLoggerType(14);
    EXPECT_EQ(GetLoggerFloat(field, 0), 1.5f);
    context.SetLoggerType(kNoLogger);
    EXPECT_EQ(GetLoggerFloat(field, 0), 1.5f);
}

}  // namespace
