// The letter sets of recording-option bytes and the digit lists of a software channel's hardware
// channels, both ways.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Each capital letter of the set found anywhere in `text` sets its bit (0x01, 0x02, 0x04, 0x08);
// anything else is ignored.
std::uint8_t LettersANXIToMask(std::string_view text);
std::uint8_t LettersANXHToMask(std::string_view text);
std::uint8_t LettersRNDCToMask(std::string_view text);

// The set's letters of the bits set, in bit order, joined by commas ("A,N,X,I"); empty for none.
std::string MaskToLettersANXI(std::uint8_t mask);
std::string MaskToLettersANXH(std::uint8_t mask);
std::string MaskToLettersRNDC(std::uint8_t mask);

// Which hardware channels 1-4 a software channel combines: flag n-1 is 1 when the digit n occurs.
using ChannelFlags = std::array<std::uint16_t, 4>;
ChannelFlags DigitsToChannelFlags(std::string_view text);
// The digits of the non-zero flags joined by commas ("1,2"); empty for none.
std::string ChannelFlagsToDigitList(const ChannelFlags& flags);
