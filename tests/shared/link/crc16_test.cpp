// CRC-16 check values and bit reflection.
#include "shared/link/crc16.h"

#include <gtest/gtest.h>

#include <string_view>

#include "tests/support/text_bytes.h"

namespace {

using testsupport::TextBytes;

TEST(Crc16Test, CheckValuesAndRunningCrc) {
    struct Case {
        unsigned start;
        std::string_view data;
        std::uint16_t crc;
    };
    for (const Case& c : {Case{0xFFFF, "123456789", 0x4B37}, Case{0, "123456789", 0xBB3D},
                          Case{0x1FFFF, "", 0xFFFF}, Case{0x12345, "", 0x2345}}) {
        EXPECT_EQ(UpdateCrc16(c.start, TextBytes(c.data)), c.crc) << c.data << " from " << c.start;
    }
    // A CRC carried over from one block to the next equals the CRC of both blocks at once.
    EXPECT_EQ(UpdateCrc16(UpdateCrc16(0xFFFF, TextBytes("1234")), TextBytes("56789")), 0x4B37);
}

TEST(Crc16Test, ReflectBits) {
    struct Case {
        unsigned value;
        unsigned bits;
        unsigned reflected;
    };
    for (const Case& c :
         {Case{0x8005, 16, 0xA001}, Case{0x01, 8, 0x80}, Case{0xF0, 8, 0x0F}, Case{0x6, 3, 0x3},
          Case{0x3, 1, 0x1}, Case{0x2, 0, 0x0}, Case{0x1, 32, 0x80000000u}}) {
        EXPECT_EQ(ReflectBits(c.value, c.bits), c.reflected) << c.value << "/" << c.bits;
    }
}

}  // namespace
