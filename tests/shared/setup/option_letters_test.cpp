// Tests of the letter sets of recording options and the digit lists of combined channels.
#include "shared/setup/option_letters.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionLetters, TextToMask) {
    EXPECT_EQ(LettersANXIToMask("A,N,X,I"), 0x0F);
    EXPECT_EQ(LettersANXIToMask("IAX"), 0x0D);
    EXPECT_EQ(LettersANXIToMask("x,i"), 0x00);  // lower case does not count
    EXPECT_EQ(LettersANXIToMask("H"), 0x00);    // H belongs to the other set
    EXPECT_EQ(LettersANXHToMask("H,A"), 0x09);
    EXPECT_EQ(LettersANXHToMask("I"), 0x00);
    EXPECT_EQ(LettersRNDCToMask("C R"), 0x09);
    EXPECT_EQ(LettersRNDCToMask("RNDC"), 0x0F);
    EXPECT_EQ(LettersRNDCToMask(""), 0x00);
}

TEST(OptionLetters, MaskToText) {
    EXPECT_EQ(MaskToLettersANXI(0x0F), "A,N,X,I");
    EXPECT_EQ(MaskToLettersANXH(0x0B), "A,N,H");
    EXPECT_EQ(MaskToLettersANXH(0x04), "X");
    EXPECT_EQ(MaskToLettersRNDC(0x0C), "D,C");
    EXPECT_EQ(MaskToLettersRNDC(0x00), "");
    EXPECT_EQ(MaskToLettersANXI(0xF0), "");  // only the low four bits are options
}

TEST(OptionLetters, EveryMaskSurvivesItsText) {
    for (unsigned mask = 0; mask < 16; ++mask) {
        const auto m = static_cast<std::uint8_t>(mask);
        EXPECT_EQ(LettersANXIToMask(MaskToLettersANXI(m)), m);
        EXPECT_EQ(LettersANXHToMask(MaskToLettersANXH(m)), m);
        EXPECT_EQ(LettersRNDCToMask(MaskToLettersRNDC(m)), m);
    }
}

TEST(OptionLetters, DigitLists) {
    EXPECT_EQ(DigitsToChannelFlags("4,1"), (ChannelFlags{1, 0, 0, 1}));
    EXPECT_EQ(DigitsToChannelFlags("5,0"), (ChannelFlags{0, 0, 0, 0}));
    EXPECT_EQ(ChannelFlagsToDigitList({0, 0, 0, 0}), "");
    EXPECT_EQ(ChannelFlagsToDigitList({1, 1, 0, 0}), "1,2");
    EXPECT_EQ(ChannelFlagsToDigitList({0, 7, 0, 1}), "2,4");
}

}  // namespace
