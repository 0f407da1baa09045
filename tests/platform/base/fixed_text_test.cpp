// Tests of bounded fixed-size text fields.
#include "platform/base/fixed_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

TEST(FixedTextTest, WritingBoundsTheTextAndAlwaysEndsTheField) {
    struct Case {
        std::string text;
        std::size_t fieldSize;
        std::string field;  // the bytes the field holds afterwards
    };
    const Case cases[] = {
        {"ABC", 6, std::string("ABC\0\0\0", 6)},
        {"ABCDEF", 4, std::string("ABC\0", 4)},  // over-long: cut, still terminated
        {"ABC", 4, std::string("ABC\0", 4)},     // exactly fills the field
        {"X", 1, std::string("\0", 1)},          // size 1 holds only the terminator
        {"", 3, std::string("\0\0\0", 3)},
        {"\xE9t\xE9", 5, std::string("\xE9t\xE9\0\0", 5)},  // 8-bit bytes kept unchanged
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " in " + std::to_string(c.fieldSize));
        // Dirty memory shows padding that was left undone.
        Bytes field(c.fieldSize, 0xCC);
        WriteFixedText(field, c.text);
        EXPECT_EQ(field, BytesOf(c.field));
        EXPECT_EQ(ReadFixedText(field), BoundedText(c.text, c.fieldSize));
    }
}

TEST(FixedTextTest, AnEmptyFieldIsLeftAlone) {
    Bytes buffer{0xCC};
    WriteFixedText(std::span(buffer).first(0), "ABC");
    EXPECT_EQ(buffer, Bytes{0xCC});
    EXPECT_EQ(BoundedText("ABC", 0), "");
}

TEST(FixedTextTest, ReadingStopsAtTheFirstNulOrTakesTheWholeField) {
    EXPECT_EQ(ReadFixedText(BytesOf(std::string("AB\0CD", 5))), "AB");
    EXPECT_EQ(ReadFixedText(BytesOf("ABCD")), "ABCD") << "a field without NUL must not be read past";
    EXPECT_EQ(ReadFixedText(BytesOf(std::string("\0AB", 3))), "");
    EXPECT_EQ(BoundedText(std::string("AB\0CD", 5), 8), "AB");
}

}  // namespace
}  // namespace platform
