// The logger's hex-dump reply: pairs of hex digits with filler between them, "=", and a 16-bit
// rotate-and-add checksum; the pieces the logger objects check every binary reply with.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The checksum after `byte`, before masking: the caller keeps the low 16 bits.
unsigned ChecksumStep(unsigned checksum, std::uint8_t byte);
// The 16-bit checksum of `bytes`.
std::uint16_t BlockChecksum(std::span<const std::uint8_t> bytes);

// The value of a hex digit of either case, -1 for another character.
int HexDigitValue(char c);

// Filler that may stand before a reply and before each of its digits: space, tab, CR, LF and '>'.
bool IsReplyFiller(char c);

// Skips filler, reads two hex digits (filler allowed before each) and moves `text` past them. False
// when a digit is not hex or the text runs out; `text` then stays where it was.
bool ParseHexByte(std::uint8_t& value, std::string_view& text);
// Two bytes, high first; `value` is stored only when both parse.
bool ParseHexWord(std::uint16_t& value, std::string_view& text);

struct HexDumpCheck {
    bool ok = false;
    std::vector<std::uint8_t> bytes;  // the decoded data; empty unless ok
    std::string trace;                // the trace line of a checksum or byte-count failure
};

// Decodes and checks a reply; `expectedLength` -1 takes any length. A refusal ("Hex dump not valid"),
// a missing or unparsable checksum field, a character in the data that is neither hex nor filler, an
// odd digit, a wrong checksum or a wrong byte count fail.
HexDumpCheck CheckHexDump(std::string_view reply, int expectedLength);

// Whether `text` is exactly `groups` groups of four hex digits separated by single blanks.
bool CheckHexGroups(std::string_view text, int groups);

// Each character as two upper-case hex digits, as the logger takes texts in its set commands.
std::string HexEncodeText(std::string_view text);
