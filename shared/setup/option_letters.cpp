// Letter sets of recording-option bytes and digit lists of combined channels.
#include "shared/setup/option_letters.h"

namespace {

// The letters of bits 0x01, 0x02, 0x04 and 0x08.
constexpr std::string_view kANXI = "ANXI";
constexpr std::string_view kANXH = "ANXH";
constexpr std::string_view kRNDC = "RNDC";

std::uint8_t LettersToMask(std::string_view letters, std::string_view text) {
    std::uint8_t mask = 0;
    for (std::size_t bit = 0; bit < letters.size(); ++bit) {
        if (text.find(letters[bit]) != std::string_view::npos) {
            mask |= static_cast<std::uint8_t>(1u << bit);
        }
    }
    return mask;
}

std::string JoinWithCommas(std::string_view symbols, unsigned mask) {
    std::string text;
    for (std::size_t bit = 0; bit < symbols.size(); ++bit) {
        if ((mask & (1u << bit)) != 0) {
            if (!text.empty()) {
                text += ',';
            }
            text += symbols[bit];
        }
    }
    return text;
}

}  // namespace

std::uint8_t LettersANXIToMask(std::string_view text) {
    return LettersToMask(kANXI, text);
}
std::uint8_t LettersANXHToMask(std::string_view text) {
    return LettersToMask(kANXH, text);
}
std::uint8_t LettersRNDCToMask(std::string_view text) {
    return LettersToMask(kRNDC, text);
}

std::string MaskToLettersANXI(std::uint8_t mask) {
    return JoinWithCommas(kANXI, mask);
}
std::string MaskToLettersANXH(std::uint8_t mask) {
    return JoinWithCommas(kANXH, mask);
}
std::string MaskToLettersRNDC(std::uint8_t mask) {
    return JoinWithCommas(kRNDC, mask);
}

ChannelFlags DigitsToChannelFlags(std::string_view text) {
    ChannelFlags flags{};
    for (std::size_t channel = 0; channel < flags.size(); ++channel) {
        flags[channel] = text.find(static_cast<char>('1' + channel)) != std::string_view::npos ? 1 : 0;
    }
    return flags;
}

std::string ChannelFlagsToDigitList(const ChannelFlags& flags) {
    unsigned mask = 0;
    for (std::size_t channel = 0; channel < flags.size(); ++channel) {
        if (flags[channel] != 0) {
            mask |= 1u << channel;
        }
    }
    return JoinWithCommas("1234", mask);
}
