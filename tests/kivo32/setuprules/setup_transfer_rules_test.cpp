// What the setup form writes into the setup table: phase letters both ways, the header's flag and
// software-alarm bytes, option bytes per column, the wiring checks, the CT rating and the typing clamp.
#include <gtest/gtest.h>

#include "kivo32/setuprules/setup_transfer_rules.h"
#include "kivo32/setuprules/setuprules_ids.h"

namespace {

using Channels = std::array<ChannelFormState, 6>;

// Power channels with the given phase pairs, in channel order.
Channels PowerChannels(std::initializer_list<std::pair<int, int>> phases) {
    Channels channels{};
    int channel = 0;
    for (const auto& [first, second] : phases) {
        channels[channel].type = 1;
        channels[channel].firstPhase = first;
        channels[channel].secondPhase = second;
        ++channel;
    }
    return channels;
}

TEST(SetupTransferRulesTest, PhaseLettersRoundTripForEveryIndex) {
    struct Case {
        int model;
        int index;
        char letter;
        int readBack;
    };
    const Case cases[] = {
        {2, -1, '@', -1}, {2, 0, 'A', 0},   {2, 1, 'B', 1}, {2, 2, 'C', 2}, {2, 3, 'N', 3},
        {13, 4, 'N', 3},  {1, -1, '@', -1}, {1, 0, 'A', 0}, {1, 1, 'N', 1}, {1, 3, 'N', 1},
    };
    for (const Case& c : cases) {
        const char letter = PhaseLetterFromIndex(c.index, c.model);
        EXPECT_EQ(letter, c.letter) << "model " << c.model << " index " << c.index;
        EXPECT_EQ(PhaseIndexFromLetter(letter, c.model), c.readBack) << "model " << c.model << " " << letter;
    }
    // A byte of an older file below 'A' is no phase, not an index of 64 or 0.
    EXPECT_EQ(PhaseIndexFromLetter('\0', 2), -1);
}

TEST(SetupTransferRulesTest, FlagByteSetsMemoryAndFrequencyAndKeepsTheOtherBits) {
    struct Case {
        int memory;
        int choice;
        bool autoCapable;
        std::uint8_t form;
    };
    const Case cases[] = {
        {1, 0, true, 0x20},  {1, 1, true, 0x30},  {1, 2, true, 0x60},  {0, 0, true, 0x00},
        {0, 1, true, 0x10},  {0, 2, true, 0x40},  {1, 0, false, 0x20}, {1, 1, false, 0x30},
        {0, 0, false, 0x00}, {0, 1, false, 0x10},
    };
    for (const Case& c : cases) {
        for (const std::uint8_t kept : {0x00, 0x80, 0x08, 0x04, 0x8F}) {
            const std::uint8_t stored = static_cast<std::uint8_t>(kept | 0x70);
            EXPECT_EQ(HeaderFlagByte(stored, c.memory, c.choice, c.autoCapable), kept | c.form)
                << "memory " << c.memory << " choice " << c.choice << " auto " << c.autoCapable << " kept "
                << int(kept);
        }
    }
}

TEST(SetupTransferRulesTest, OptionBytesByColumnIgnoreTheFormsMarks) {
    // "I" belongs to columns 0 and 4, "H" to the others; "L" and "D" are marks, not options.
    for (int column = 0; column < 6; ++column) {
        const bool anxi = column == 0 || column == 4;
        EXPECT_EQ(OptionMaskForColumn(column, "A,N,X,I"), anxi ? 0x0F : 0x07) << column;
        EXPECT_EQ(OptionMaskForColumn(column, "A,N,X,H"), anxi ? 0x07 : 0x0F) << column;
        EXPECT_EQ(OptionMaskForColumn(column, "A,L,D"), 0x01) << column;
        EXPECT_EQ(OptionMaskForColumn(column, ""), 0x00) << column;
    }
    EXPECT_EQ(SingleOptionMask(4, "R,D,C,L"), 0x0D);
    EXPECT_EQ(SingleOptionMask(3, "A,I,L"), 0x09);
}

TEST(SetupTransferRulesTest, SoftwareAlarmByteComesFromTheOnChannelsAlone) {
    Channels channels{};
    EXPECT_EQ(SoftwareAlarmByte(channels), 0);
    channels[4].type = 5;
    channels[4].options = {"A,N", "A", "A", "", "", "X"};
    EXPECT_EQ(SoftwareAlarmByte(channels), 0x05);
    channels[5].type = 5;
    channels[5].options = {"", "", "", "N", "", ""};
    EXPECT_EQ(SoftwareAlarmByte(channels), 0x05 | 0x10);
    // A channel that is off counts for nothing whatever its texts say; marks alone set nothing.
    channels[4].type = 0;
    channels[5].options[3] = "L";
    EXPECT_EQ(SoftwareAlarmByte(channels), 0);
}

TEST(SetupTransferRulesTest, EqualPhasesAreFoundChannelByChannel) {
    const Channels channels = PowerChannels({{0, 1}, {1, 1}, {2, -1}, {3, 3}});
    const std::optional<WiringDoubt> first = FindEqualPhases(channels, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->messageId, IDS_WIRING_EQUAL_PHASES);
    EXPECT_EQ(first->argument, "2");
    EXPECT_EQ(first->channel, 1);
    const std::optional<WiringDoubt> next = FindEqualPhases(channels, first->channel + 1);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->channel, 3);
    EXPECT_FALSE(FindEqualPhases(channels, next->channel + 1));
    // A channel of another type carries no phases worth checking.
    Channels single = PowerChannels({{2, 2}});
    single[0].type = 2;
    EXPECT_FALSE(FindEqualPhases(single, 0));
}

TEST(SetupTransferRulesTest, DoubtfulPhasePairsAndSoundOnes) {
    struct Case {
        std::initializer_list<std::pair<int, int>> phases;
        const char* list;  // nullptr: sound
        int channel;
    };
    const Case cases[] = {
        {{{0, 1}, {1, 2}, {2, 0}}, "L1 - L2, L2 - L3, L3 - L1", 0},
        {{{1, 2}, {2, 0}, {0, 1}}, "L1 - L2, L2 - L3, L3 - L1", 2},
        {{{0, 1}, {1, 0}}, "L1 - L2, L2 -L1", 0},
        {{{2, 0}, {0, 2}}, "L1 - L3, L3 - L1", 1},
        {{{1, 2}, {2, 1}, {1, 2}}, "L2 - L3, L3 - L2", 2},
        {{{0, 3}, {1, 3}, {2, 3}}, nullptr, 0},  // star: each phase against neutral
        {{{0, 1}, {1, 2}}, nullptr, 0},          // open delta
        {{{0, 1}, {0, 1}}, nullptr, 0},
        {{{0, -1}, {-1, 0}}, nullptr, 0},  // a missing phase is asked for elsewhere
    };
    for (const Case& c : cases) {
        const std::optional<WiringDoubt> doubt = FindDoubtfulPhasePairs(PowerChannels(c.phases));
        if (c.list == nullptr) {
            EXPECT_FALSE(doubt) << doubt->argument;
            continue;
        }
        ASSERT_TRUE(doubt) << c.list;
        EXPECT_EQ(doubt->messageId, IDS_WIRING_PHASE_PAIRS);
        EXPECT_EQ(doubt->argument, c.list);
        EXPECT_EQ(doubt->channel, c.channel) << c.list;
    }
}

TEST(SetupTransferRulesTest, CTRatingAndTypedFieldLimits) {
    EXPECT_TRUE(IsCTRatingAccepted(0.0));
    EXPECT_TRUE(IsCTRatingAccepted(100000.0));
    EXPECT_FALSE(IsCTRatingAccepted(100001.0));
    EXPECT_FALSE(IsCTRatingAccepted(-0.5));
    struct Case {
        const char* typed;
        int highest;
        const char* kept;
    };
    const Case cases[] = {{"45", 12, "4"}, {"12", 12, "12"}, {"99", 99, "99"}, {"32", 31, "3"},
                          {"60", 59, "6"}, {"", 23, ""},     {"07", 12, "07"}};
    for (const Case& c : cases) {
        EXPECT_EQ(ClampTypedField(c.typed, c.highest), c.kept) << c.typed;
    }
}

}  // namespace
