// The hex-dump reply check: the logger's reply cases, the checksum and the hex-group check.
#include "shared/logger/hex_dump_reply.h"

#include <gtest/gtest.h>

namespace {

TEST(HexDumpReplyTest, ReplyCases) {
    struct Case {
        const char* reply;
        int expected;
        bool ok;
        std::vector<std::uint8_t> bytes;
        const char* trace;
    };
    const Case cases[] = {
        {"0102 03=000B", -1, true, {1, 2, 3}, ""},
        {"\r\n> 01\t02\r\n03 = 00 0B\r\n>", 3, true, {1, 2, 3}, ""},
        {"0a0B=001f", -1, true, {0x0A, 0x0B}, ""},
        {"010203=000C", -1, false, {}, "Read Checksum Failed: Computed CRC = 0xb, Data CRC = 0xc"},
        {"010203=000B", 4, false, {}, "Read Byte Count Incorrect: Expected = 4, Actual = 3"},
        {"010203=0", -1, false, {}, ""},
        {"Hex dump not valid", -1, false, {}, ""},
        {"", -1, false, {}, ""},
        {"010203", -1, false, {}, ""},
        // Nothing vouches for data whose checksum field does not parse.
        {"010203=ZZZZ", -1, false, {}, ""},
        // A character that is neither a digit nor filler, or an odd digit, is no data.
        {"01G203=000B", -1, false, {}, ""},
        {"0102030=000B", -1, false, {}, ""},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.reply);
        const HexDumpCheck check = CheckHexDump(test.reply, test.expected);
        EXPECT_EQ(check.ok, test.ok);
        EXPECT_EQ(check.bytes, test.bytes);
        EXPECT_EQ(check.trace, test.trace);
    }
}

TEST(HexDumpReplyTest, ChecksumRotatesAndAdds) {
    unsigned checksum = 0;
    const unsigned expected[] = {0x0001, 0x0004, 0x000B};
    for (std::uint8_t byte = 1; byte <= 3; ++byte) {
        checksum = ChecksumStep(checksum, byte) & 0xFFFF;
        EXPECT_EQ(checksum, expected[byte - 1]);
    }
    EXPECT_EQ(ChecksumStep(0x8000, 0) & 0xFFFF, 0x0001u);  // the top bit comes round
    const std::uint8_t bytes[] = {0xFF, 0xFF};
    EXPECT_EQ(BlockChecksum(bytes), ((0xFF << 1) + 0xFF) & 0xFFFF);
}

TEST(HexDumpReplyTest, AWordIsStoredOnlyWhenBothBytesParse) {
    std::uint16_t value = 0x1234;
    std::string_view text = "AB X";
    EXPECT_FALSE(ParseHexWord(value, text));
    EXPECT_EQ(value, 0x1234);
    EXPECT_EQ(text, "AB X");
    text = " A\rB cd";
    EXPECT_TRUE(ParseHexWord(value, text));
    EXPECT_EQ(value, 0xABCD);
    EXPECT_TRUE(text.empty());
}

TEST(HexDumpReplyTest, HexGroups) {
    EXPECT_TRUE(CheckHexGroups("0100 02aF", 2));
    EXPECT_FALSE(CheckHexGroups("0100 02aF", 3));
    EXPECT_FALSE(CheckHexGroups("0100  02aF", 2));
    EXPECT_FALSE(CheckHexGroups("0100 02G0", 2));
    EXPECT_FALSE(CheckHexGroups("", 0));
}

TEST(HexDumpReplyTest, TextAsHexDigits) {
    EXPECT_EQ(HexEncodeText("Ab 1"), "41622031");
    EXPECT_EQ(HexEncodeText("\xE9"), "E9");
    EXPECT_EQ(HexEncodeText(""), "");
}

}  // namespace
