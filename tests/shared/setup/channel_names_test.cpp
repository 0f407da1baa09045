// Tests of the names of channel settings and of channel captions.
#include "shared/setup/channel_names.h"

#include <gtest/gtest.h>

#include "platform/base/program_texts.h"
#include "shared/setup/channel_caption.h"
#include "tests/support/resource_texts.h"

namespace {

TEST(ChannelNames, AnalogRanges) {
    EXPECT_EQ(GetAnalogRangeName(15), "4 - 20 ma");
    EXPECT_EQ(GetAnalogRangeName(16), "0 - 20 ma");
    EXPECT_EQ(GetAnalogRangeName(17), "0 - 10 Vdc");
    EXPECT_EQ(GetAnalogRangeName(0), "Off");
    EXPECT_EQ(GetAnalogRangeName(18), "Off");
}

TEST(ChannelNames, TemperatureLettersBothWays) {
    const struct {
        int unit;
        char letter;
    } cases[] = {{0, 'F'}, {1, 'C'}, {2, 'R'}, {3, 'K'}};
    for (const auto& c : cases) {
        EXPECT_EQ(TemperatureUnitToLetter(c.unit), c.letter);
        EXPECT_EQ(LetterToTemperatureUnit(c.letter), c.unit);
    }
    EXPECT_EQ(TemperatureUnitToLetter(9), 'F');
    EXPECT_EQ(LetterToTemperatureUnit('c'), 0);
    EXPECT_EQ(LetterToTemperatureUnit('X'), 0);
}

TEST(ChannelNames, PhaseReferences) {
    EXPECT_EQ(PhaseReferenceName('A'), "L1");
    EXPECT_EQ(PhaseReferenceName('B'), "L2");
    EXPECT_EQ(PhaseReferenceName('C'), "L3");
    EXPECT_EQ(PhaseReferenceName('N'), "N");
    EXPECT_EQ(PhaseReferenceName('D'), "");
    EXPECT_FALSE(IsPhaseReference('\0'));
}

TEST(ChannelCaption, KindWordAndNumberByModel) {
    SetProgramTexts(testsupport::LoadResourceTexts("en", "setup"));
    const struct {
        int model;
        int channel;
        const char* caption;
    } cases[] = {
        {0, 1, "Chan 1"},     {2, 6, "Chan 6"},    {13, 4, "Channel 4"}, {13, 8, "Channel 8"},
        {14, 6, "Channel 6"}, {14, 7, "Analog 1"}, {14, 10, "Analog 4"}, {15, 7, "Chan 7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatChannelName(c.model, c.channel), c.caption) << c.model << "/" << c.channel;
    }
    EXPECT_EQ(FormatChannelName(0, 3, 3), "Chan   3");
    SetProgramTexts({});
}

}  // namespace
