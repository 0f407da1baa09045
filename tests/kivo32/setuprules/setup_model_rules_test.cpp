// The setup form's model rules: interval lists, type lists and offsets, channel sections, defaults.
#include <gtest/gtest.h>

#include "kivo32/setuprules/channel_form_state.h"
#include "kivo32/setuprules/interval_choices.h"
#include "kivo32/setuprules/setup_model_rules.h"
#include "shared/setup/setup_table.h"
#include "tests/kivo32/setuprules/setuprules_texts.h"

namespace {

class SetupModelRulesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallSetupFormTexts(); }
};

TEST_F(SetupModelRulesTest, IntervalListsPerModel) {
    const std::vector<IntervalChoice> older = IntervalChoicesFor(5, 2);
    ASSERT_EQ(older.size(), 13u);
    EXPECT_EQ(older.front().text, "3 seconds");
    EXPECT_EQ(older.front().code, 12);
    const std::vector<IntervalChoice> quarven = IntervalChoicesFor(13, 2);
    ASSERT_EQ(quarven.size(), 15u);
    EXPECT_EQ(quarven.front().text, "1 second");
    EXPECT_EQ(IntervalChoicesFor(0, 2).size(), 13u);
    for (const int model : {0, 1, 5, 12, 13, 14}) {
        EXPECT_EQ(IntervalIndexOf(IntervalChoicesFor(model, 2), 8), -1) << "5 seconds offered on " << model;
    }
    EXPECT_EQ(IntervalText(2), "15 minutes");
    EXPECT_EQ(IntervalText(0), "1 minute");
    EXPECT_EQ(IntervalText(5), "12 hours");
    EXPECT_EQ(IntervalText(6), "1 day");
}

TEST_F(SetupModelRulesTest, AnUnlistedStoredIntervalIsKeptAsAnItemOfItsOwn) {
    // Code 16 (1 second) is not offered below model 13; code 8 (5 seconds) nowhere.
    for (const auto& [model, code] : {std::pair{5, 16}, std::pair{13, 8}, std::pair{0, 9}}) {
        const std::vector<IntervalChoice> choices = IntervalChoicesFor(model, code);
        ASSERT_EQ(IntervalIndexOf(choices, code), static_cast<int>(choices.size()) - 1) << model;
        EXPECT_FALSE(choices.back().text.empty());
    }
    EXPECT_EQ(IntervalChoicesFor(5, 200).size(), 13u);
}

// The index of a type list plus the channel's offset is the type the item carries.
TEST_F(SetupModelRulesTest, TypeListsAgreeWithTheirOffsets) {
    for (int model = 0; model <= 14; ++model) {
        for (int channel = 0; channel < 6; ++channel) {
            const std::vector<ChannelTypeItem> items = ChannelTypeItems(model, channel);
            for (std::size_t index = 0; index < items.size(); ++index) {
                const int i = static_cast<int>(index);
                EXPECT_EQ(TypeFromListIndex(model, channel, i), items[index].type) << model << " " << channel;
                EXPECT_EQ(ListIndexFromType(model, channel, items[index].type), i);
            }
        }
    }
    EXPECT_EQ(ChannelTypeItems(7, 0)[0].text, "Off  (mA)");
    EXPECT_EQ(ChannelTypeItems(9, 0)[1].type, 4);
    EXPECT_EQ(ChannelTypeItems(9, 1)[1].type, 7);
    EXPECT_TRUE(ChannelTypeItems(1, 1).empty());
    EXPECT_TRUE(ChannelTypeItems(11, 0).empty());
    EXPECT_TRUE(ChannelTypeItems(3, 4).empty());
    EXPECT_EQ(ChannelTypeItems(14, 5)[1].type, 5);
    EXPECT_EQ(ListIndexFromType(4, 0, 1), -1);
}

TEST_F(SetupModelRulesTest, ModelNamesAndLists) {
    EXPECT_EQ(ModelName(0), "Standard");
    EXPECT_EQ(ModelName(13), "Quarven RS");
    EXPECT_EQ(ModelName(11), "");
    for (const int model : {3, 5, 6, 7, 8, 9, 10}) {
        EXPECT_FALSE(ShowsLineFrequencyList(model)) << model;
    }
    for (const int model : {0, 1, 2, 4, 13, 14}) {
        EXPECT_TRUE(ShowsLineFrequencyList(model)) << model;
    }
    EXPECT_FALSE(OffersAutoFrequency(2, 9999));
}

TEST_F(SetupModelRulesTest, SectionOfAPulseChannelOnModelFive) {
    const SectionSetup setup = PrepareChannelSection(5, FillControlIdTables(5), 152);
    const std::vector<std::pair<int, int>> expected = {{2126, 35}, {1090, 20}, {2215, 8}, {1039, 79}};
    EXPECT_EQ(setup.textLimits, expected);
    EXPECT_TRUE(setup.lists.empty());
}

TEST_F(SetupModelRulesTest, PhaseListsOfThePowerSection) {
    const SectionSetup one = PrepareChannelSection(1, FillControlIdTables(1), 140);
    ASSERT_EQ(one.lists.size(), 2u);
    EXPECT_EQ(one.lists[0].first, 1088);
    EXPECT_EQ(one.lists[1].second, (std::vector<std::string>{"L1", "N"}));
    const SectionSetup second = PrepareChannelSection(2, FillControlIdTables(2), 204);
    EXPECT_EQ(second.lists[1].first, 2134);
    EXPECT_EQ(second.lists[1].second, (std::vector<std::string>{"L1", "L2", "L3", "N"}));
    const SectionSetup quarven = PrepareChannelSection(13, FillControlIdTables(13), 140);
    ASSERT_EQ(quarven.lists.size(), 3u);
    EXPECT_EQ(quarven.lists[2].first, 1916);
    EXPECT_EQ(quarven.lists[2].second.back(), "RoCoil");
    EXPECT_EQ(SectionCodeFor(4, 0), 152);
    EXPECT_EQ(SectionCodeFor(8, 3), 151);
    EXPECT_EQ(SectionCodeFor(5, 5), 161);
    EXPECT_EQ(SectionCodeFor(0, 1), 0);
}

TEST_F(SetupModelRulesTest, ResetDefaultsPerType) {
    struct Case {
        int type;
        int channel;
        int model;
        std::string single;
        std::string third;
        std::string fifth;
        std::string shortUnit;
    };
    const std::array<bool, 4> power = {true, false, true, false};
    for (const Case& c :
         {Case{1, 0, 2, "", "A", "", ""}, Case{1, 0, 0, "", "A", "A", ""}, Case{2, 1, 3, "A", "", "", ""},
          Case{3, 0, 0, "A", "", "", "VoltsDC"}, Case{7, 1, 8, "A", "", "", "VoltsDC"},
          Case{8, 2, 7, "A", "", "", "VoltsDC"}, Case{4, 0, 5, "C", "", "", ""},
          Case{6, 0, 4, "A", "", "", ""}, Case{5, 4, 2, "", "A", "", ""}}) {
        ChannelFormState state;
        state.label = "old";
        state.alarms.GetAlarm(2).SetHighAlarmOn(true);
        ResetChannelState(state, c.type, c.channel, c.model, power);
        EXPECT_EQ(state.type, c.type);
        EXPECT_EQ(state.label, "");
        EXPECT_FALSE(state.alarms.GetAlarm(2).IsOn());
        EXPECT_EQ(state.singleOption, c.single) << c.type;
        EXPECT_EQ(state.options[2], c.third) << c.type;
        EXPECT_EQ(state.options[4], c.fifth) << c.type;
        EXPECT_EQ(state.shortUnit, c.shortUnit) << c.type;
    }
    ChannelFormState powerChannel;
    ResetChannelState(powerChannel, 1, 0, 2, power);
    EXPECT_FLOAT_EQ(powerChannel.value, 1.0f);
    EXPECT_FLOAT_EQ(powerChannel.ctRating, 100.0f);
    EXPECT_FLOAT_EQ(powerChannel.secondCT, 1.1f);
    EXPECT_EQ(powerChannel.firstPhase, -1);
    ChannelFormState sum;
    ResetChannelState(sum, 5, 4, 2, power);
    EXPECT_EQ(sum.sums, (std::array<int, 4>{1, 0, 1, 0}));
    ChannelFormState pulse;
    ResetChannelState(pulse, 4, 0, 5, power);
    EXPECT_FLOAT_EQ(pulse.pulseScale, 1.0f);
}

TEST_F(SetupModelRulesTest, FieldRanges) {
    EXPECT_DOUBLE_EQ(FloatFieldRange(1, kColumnValue)->high, 9999.9);
    EXPECT_DOUBLE_EQ(FloatFieldRange(1, kColumnSecondCT)->high, 359.9999);
    EXPECT_FALSE(FloatFieldRange(1, kColumnCTRating));
    EXPECT_DOUBLE_EQ(FloatFieldRange(2, kColumnCTRating)->low, -9.999);
    EXPECT_DOUBLE_EQ(FloatFieldRange(2, kColumnSecondCT)->high, 99.99);
    EXPECT_DOUBLE_EQ(FloatFieldRange(8, kColumnSecondCT)->high, 100000000.0);
    EXPECT_DOUBLE_EQ(FloatFieldRange(4, kColumnCTRating)->low, -100000000.0);
    EXPECT_FALSE(FloatFieldRange(6, kColumnCTRating));
    EXPECT_EQ(TextFieldLimit(1, kColumnNote), 80);
    EXPECT_EQ(TextFieldLimit(4, kColumnNote), 79);
}

TEST_F(SetupModelRulesTest, OptionMarksAndPhaseLetters) {
    EXPECT_EQ(AppendOptionMarks("A,X", 2, true, false), "A,X,L");
    EXPECT_EQ(AppendOptionMarks("", 2, true, true), "L,D");
    EXPECT_EQ(AppendOptionMarks("", 2, false, true), "D");
    EXPECT_EQ(AppendOptionMarks("A", 13, true, true), "A");
    EXPECT_EQ(PhaseIndexFromLetter('A', 2), 0);
    EXPECT_EQ(PhaseIndexFromLetter('C', 2), 2);
    EXPECT_EQ(PhaseIndexFromLetter('N', 2), 3);
    EXPECT_EQ(PhaseIndexFromLetter('N', 1), 1);
    EXPECT_EQ(PhaseIndexFromLetter('@', 2), -1);
}

}  // namespace

namespace {

// A stored model-2 setup fills the form's channels with its option letters, alarm and peak marks.
TEST_F(SetupModelRulesTest, LoadChannelStateFromAStoredSetup) {
    CSetupTable table;
    table.GetHeader().SetModelCode(2);
    CSUTChannelHardware& power = table.GetHardwareChannel(0);
    power.SetType(1);
    power.SetVLo('B');
    power.SetVHi('N');
    power.SetCTSize(200.0f);
    power.SetPowerOptions(2, 0x01);
    table.GetHardwareAlarms(0).GetAlarm(2).SetHighAlarmOn(true);
    table.GetSoftwareChannel(0).SetType(5);
    table.GetSoftwareChannel(0).SetHardwareFlag(1, 0);
    table.GetExtendedData().SetTimeBlockByte1(5);

    const ChannelFormState channel = LoadChannelState(table, 0);
    EXPECT_EQ(channel.type, 1);
    EXPECT_EQ(channel.firstPhase, 1);
    EXPECT_EQ(channel.secondPhase, 3);
    EXPECT_FLOAT_EQ(channel.ctRating, 200.0f);
    EXPECT_EQ(channel.options[2], "A,L");
    const ChannelFormState sum = LoadChannelState(table, 4);
    EXPECT_EQ(sum.sums, (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_EQ(sum.options[2].back(), 'D');
    EXPECT_EQ(LoadChannelState(table, 5).options[2].find('D'), std::string::npos);
}

}  // namespace
