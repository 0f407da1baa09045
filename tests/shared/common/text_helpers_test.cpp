// Small text helpers: blanks, quotes, fixed-width fields, the settings-file scrambler.
#include "shared/common/text_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

TEST(TrimmedTest, TakesTheBlanksOffBothEndsOnly) {
    EXPECT_EQ(Trimmed(" \t a b \r\n"), "a b");
    EXPECT_EQ(Trimmed(" \t\r\n"), "");
    EXPECT_EQ(Trimmed(""), "");
    EXPECT_EQ(Trimmed("\t x \t", " "), "\t x \t");
}

TEST(ReplaceAllTest, ReplacesEachOccurrenceOnceAndLeavesAnEmptyPatternAlone) {
    struct Case {
        const char* text;
        const char* from;
        const char* to;
        const char* result;
    };
    // What was put in is not searched again ("aaa").
    const Case cases[] = {
        {"a&nbsp;b&nbsp;", "&nbsp;", " ", "a b "},
        {"aaa", "a", "aa", "aaaaaa"},
        {"WiFly3-441.img", ".img", "", "WiFly3-441"},
        {"abc", "", "x", "abc"},
        {"", "a", "b", ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        ReplaceAll(text, c.from, c.to);
        EXPECT_EQ(text, c.result) << c.text << " " << c.from;
    }
}

TEST(SafeStringCopyTest, FillsTheWholeFieldAndAlwaysEndsItInANul) {
    struct Case {
        const char* source;
        std::size_t size;
        std::array<char, 6> field;  // what the first `size` bytes become; the rest stays 'x'
    };
    const Case cases[] = {
        {"abc", 6, {'a', 'b', 'c', 0, 0, 0}},
        {"abcdef", 6, {'a', 'b', 'c', 'd', 'e', 0}},
        {"abcdefgh", 4, {'a', 'b', 'c', 0, 'x', 'x'}},
        {"abc", 2, {'a', 0, 'x', 'x', 'x', 'x'}},
        {"abc", 1, {0, 'x', 'x', 'x', 'x', 'x'}},
        {"abc", 0, {'x', 'x', 'x', 'x', 'x', 'x'}},
        {"", 4, {0, 0, 0, 0, 'x', 'x'}},
        {nullptr, 4, {0, 0, 0, 0, 'x', 'x'}},
    };
    for (const Case& c : cases) {
        std::array<char, 6> field;
        field.fill('x');
        SafeStringCopy(field.data(), c.source, c.size);
        EXPECT_EQ(field, c.field) << (c.source ? c.source : "null") << " into " << c.size;
    }
    SafeStringCopy(nullptr, "abc", 4);  // a null field is left alone
}

TEST(SafeStringAssignTest, ReadsAFieldUpToItsNulOrItsEnd) {
    const char field[6] = {'a', 'b', 'c', 'd', 'e', 'f'};  // no NUL
    std::string text = "old";
    SafeStringAssign(text, field, sizeof field);
    EXPECT_EQ(text, "abcdef");
    SafeStringAssign(text, "ab\0cd", 5);
    EXPECT_EQ(text, "ab");
    SafeStringAssign(text, field, 3);
    EXPECT_EQ(text, "abc");
    SafeStringAssign(text, nullptr, 3);
    EXPECT_EQ(text, "");
}

TEST(TextHelpersTest, SkipsBlanksAndPrompts) {
    EXPECT_STREQ(SkipBlanks(" \t x "), "x ");
    EXPECT_STREQ(SkipBlanks("\r\nx"), "\r\nx");

    std::size_t remaining = 9;
    EXPECT_STREQ(SkipBlanksAndPrompt("\r\n> \tOK\r\n", remaining), "OK\r\n");
    EXPECT_EQ(remaining, 4u);
    remaining = 2;  // the count ends the skip before the text does
    EXPECT_STREQ(SkipBlanksAndPrompt(">>>X", remaining), ">X");
    EXPECT_EQ(remaining, 0u);
    remaining = 5;
    EXPECT_STREQ(SkipBlanksAndPrompt("  ", remaining), "");
    EXPECT_EQ(remaining, 3u);
}

TEST(TextHelpersTest, StripsOneQuoteAtEachEnd) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"abc\"", "abc"}, {"'abc'", "abc"}, {"\"\"abc\"\"", "\"abc\""}, {"abc\"", "abc"}, {"\"abc", "abc"},
        {"\"", ""},         {"", ""},         {"a\"b", "a\"b"},
    };
    for (const auto& [text, stripped] : cases) {
        EXPECT_EQ(StripQuotes(text), stripped) << text;
    }
}

TEST(ScrambleTextTest, TheSameCallGivesTheTextBack) {
    const std::string texts[] = {"secret pass phrase", "~!@#$%^&*()_+{}|:\"<>?\x7F", "caf\xE9\tx\n", ""};
    for (const std::string& text : texts) {
        for (std::uint32_t seed : {0u, 1u, 0xDEADBEEFu}) {
            EXPECT_EQ(ScrambleText(ScrambleText(text, seed), seed), text);
        }
    }
}

TEST(ScrambleTextTest, ChangesOnlyPrintableCharactersAndOnlyByTheSequence) {
    // Seed 0: the states are 2531011, then 2531011 x 1812433253 + 2531011, ...; low 5 bits 3 and 18.
    EXPECT_EQ(ScrambleText("AA", 0), std::string({'A' ^ 3, 'A' ^ 18}));
    // Control characters and bytes above 127 neither change nor advance the sequence.
    EXPECT_EQ(ScrambleText("A\n\xE9"
                           "A",
                           0),
              std::string({'A' ^ 3, '\n', '\xE9', 'A' ^ 18}));
    const std::string scrambled = ScrambleText("password", 12345);
    EXPECT_NE(scrambled, "password");
    for (char c : scrambled) {
        EXPECT_GE(static_cast<unsigned char>(c), 32);
        EXPECT_LE(static_cast<unsigned char>(c), 127);
    }
}

}  // namespace
