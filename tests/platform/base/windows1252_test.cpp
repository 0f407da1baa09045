// Tests of the Windows-1252 and UTF-8 conversions.
#include "platform/base/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

TEST(Windows1252Test, EveryByteRoundTripsThroughUtf8) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(text)), text) << std::hex << byte;
    }
}

TEST(Windows1252Test, BytesWithoutACharacterBecomeTheirControlCharacter) {
    // A text shown in a dialog and taken back must keep them, as it did on Windows.
    for (const int byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const std::string utf8 = Windows1252ToUtf8(std::string(1, static_cast<char>(byte)));
        const std::string expected = {static_cast<char>(0xC2), static_cast<char>(byte)};
        EXPECT_EQ(utf8, expected) << std::hex << byte;
    }
    // The other C1 control characters have no byte: theirs are taken by printable characters.
    EXPECT_EQ(Utf8ToWindows1252("\xC2\x80\xC2\x9F", '#'), "##");
}

TEST(Windows1252Test, KnownCharactersMapAsWindowsMapsThem) {
    struct Case {
        std::string windows1252;
        std::string utf8;
    };
    const Case cases[] = {
        {"A", "A"},
        {std::string(1, '\0'), std::string(1, '\0')},
        {"\x80", "\xE2\x82\xAC"},            // euro sign
        {"\x85", "\xE2\x80\xA6"},            // ellipsis
        {"\x9F", "\xC5\xB8"},                // Y with diaeresis
        {"\xA0", "\xC2\xA0"},                // no-break space
        {"\xB0", "\xC2\xB0"},                // degree sign
        {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},  // été
        {"\xFF", "\xC3\xBF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Windows1252ToUtf8(c.windows1252), c.utf8);
        EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.windows1252);
    }
}

TEST(Windows1252Test, UnmappableAndMalformedUtf8BecomeTheReplacementWithoutLosingTheRest) {
    struct Case {
        std::string utf8;
        std::string windows1252;
    };
    const Case cases[] = {
        {"a\xCE\xA9z", "a#z"},          // Greek omega has no byte
        {"a\xF0\x9F\x98\x80z", "a#z"},  // a character outside the basic plane
        {"a\xC3", "a#"},                // cut sequence at the end
        {"a\xC3z", "a#z"},              // lead byte without continuation
        {"a\xC0\xAFz", "a#z"},          // over-long encoding of '/'
        {"a\xED\xA0\x80z", "a#z"},      // encoded surrogate
        {"a\x80z", "a#z"},              // stray continuation byte
        {"a\xEF\xBF\xBDz", "a#z"},      // U+FFFD itself has no byte
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToWindows1252(c.utf8, '#'), c.windows1252);
    }
}

}  // namespace
}  // namespace platform
