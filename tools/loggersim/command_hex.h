// The hexadecimal parts of the commands the simulated logger takes: digit pairs, numbers and the
// checksummed tagged block writes.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Pairs of upper-case hex digits; nullopt for an odd count or a character that is not a digit.
std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view digits);
// One to eight hex digits.
std::optional<long> HexNumber(std::string_view digits);
// The bytes of a tagged block write "<tag><hex digits> =<checksum>" whose tag is `tagLength` characters
// (blanks after it allowed); nullopt when the digits are not hex or the checksum over the characters
// before " =" does not match.
std::optional<std::vector<std::uint8_t>> TaggedBlockBytes(std::string_view command, std::size_t tagLength);
