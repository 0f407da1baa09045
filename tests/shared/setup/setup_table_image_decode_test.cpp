// Tests of decoding the channel and alarm blocks that a logger gives back.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "shared/setup/setup_table.h"
#include "shared/setup/sut_info.h"
#include "tests/shared/setup/golden_bytes.h"
#include "tests/shared/setup/table_of_model.h"
#include "tests/support/fake_app_context.h"

namespace {

using golden::Bytes;
using golden::Hex;
using golden::Zeros;
using golden::operator+;
using testsupport::TableOfModel;

// A table using every kind of channel its model has, with values the image carries.
CSetupTable ImageTable(int model) {
    CSetupTable table = TableOfModel(model);
    CSUTChannelHardware& power = table.GetHardwareChannel(0);
    power.SetType(1);
    power.SetVHi('C');
    power.SetVLo('B');
    power.SetPTRatio(1.5f);
    power.SetCTSize(-400.0f);
    power.SetCTType(1);
    power.SetPhaseShift(0.75f);
    for (int group = 0; group < kPowerQuantities; ++group) {
        power.SetPowerOptions(group, static_cast<std::uint8_t>(group + 3));
    }
    CSUTChannelHardware& temperature = table.GetHardwareChannel(1);
    temperature.SetType(2);
    temperature.SetScaleValue1(3.0f);
    temperature.SetScaleValue2(-4.0f);
    temperature.SetTemperatureUnit(2);
    temperature.SetOptions(0x0B);
    CSUTChannelHardware& rndc = table.GetHardwareChannel(2);
    rndc.SetType(4);
    rndc.SetRNDCScale(12.5f);
    rndc.SetUnits("m3");
    rndc.SetOptions(0x06);
    rndc.SetLoggerLabel("Water meter");
    CSUTChannelHardware& input = table.GetHardwareChannel(3);
    input.SetType(model == 7 ? 8 : 3);
    input.SetScaleValue1(10.0f);
    input.SetUnits("mbar");
    input.SetOptions(0x09);
    input.SetLoggerLabel("Pressure");
    CSUTChannelSoftware& software = table.GetSoftwareChannel(1);
    software.SetType(5);
    software.SetHardwareFlag(0, 1);
    software.SetHardwareFlag(1, 0);
    software.SetPowerOptions(kQuantityKVAR, 0x0C);
    if (model == kModelQuarvenRS) {
        CSUTChannelPulse& pulse = table.GetPulseChannel(1);
        pulse.SetType(12);
        pulse.SetValue(7.0f);
        pulse.SetScale(0.001f);
        pulse.SetPowerChannel(1);
    }
    if (model == kModelQuarvenKX) {
        CSUTChannelAnalog& analog = table.GetAnalogChannel(2);
        analog.SetType(16);
        analog.SetLowSensor(-10.0f);
        analog.SetHighOutput(20.0f);
        analog.SetUnits("degrees");
        analog.SetLoggerByte(9);
        analog.SetOptions(0x0E);
    }
    return table;
}

// What the logger reports for a setup programmed from `table`.
CSUTInfo SummaryOf(const CSetupTable& table) {
    CSUTInfo info;
    const std::vector<std::uint8_t> types = table.GetChannelTypes();
    std::copy(types.begin(), types.end(), info.channelTypes.begin());
    return info;
}

Bytes ChannelImage(const CSetupTable& table) {
    Bytes image(table.GetLoggerChannelBlockSize());
    EXPECT_TRUE(table.BuildLoggerChannelBlock(image));
    return image;
}

Bytes AlarmImage(const CSetupTable& table) {
    Bytes image(CSetupTable::kLoggerAlarmBlockSize);
    EXPECT_TRUE(table.BuildLoggerAlarmBlock(image));
    return image;
}

class SetupTableImageDecode : public ::testing::Test {
protected:
    testsupport::FakeAppContext context_;
};

TEST_F(SetupTableImageDecode, ChannelImageRoundTripByModel) {
    for (int model : {0, 1, 5, 7, 13, 14}) {
        SCOPED_TRACE(model);
        const CSetupTable source = ImageTable(model);
        const Bytes image = ChannelImage(source);
        CSUTInfo info = SummaryOf(source);
        CSetupTable decoded = TableOfModel(model);
        ASSERT_TRUE(decoded.DecodeChannelImage(info, image));
        EXPECT_TRUE(info.channelsValid);
        EXPECT_EQ(decoded.GetChannelTypes(), source.GetChannelTypes());
        EXPECT_EQ(ChannelImage(decoded), image);
        EXPECT_EQ(decoded.GetHardwareChannel(0).GetCTSize(), -400.0f);
        EXPECT_EQ(decoded.GetHardwareChannel(2).GetLoggerLabel(), "Water meter");
        EXPECT_EQ(decoded.GetHardwareChannel(1).GetTemperatureUnit(), 2);
        EXPECT_EQ(decoded.GetSoftwareChannel(1).GetPowerOptions(kQuantityKVAR), 0x0C);
        EXPECT_EQ(decoded.GetHardwareChannel(0).GetPhaseShift(), model >= 13 ? 0.75f : 1.1f);
    }
}

TEST_F(SetupTableImageDecode, PulseAndAnalogFieldsComeBack) {
    CSetupTable pulses = TableOfModel(13);
    CSUTInfo pulseInfo = SummaryOf(ImageTable(13));
    ASSERT_TRUE(pulses.DecodeChannelImage(pulseInfo, ChannelImage(ImageTable(13))));
    EXPECT_TRUE(pulses.GetPulseChannel(1) == ImageTable(13).GetPulseChannel(1));

    CSetupTable analogs = TableOfModel(14);
    CSUTInfo analogInfo = SummaryOf(ImageTable(14));
    ASSERT_TRUE(analogs.DecodeChannelImage(analogInfo, ChannelImage(ImageTable(14))));
    EXPECT_TRUE(analogs.GetAnalogChannel(2) == ImageTable(14).GetAnalogChannel(2));
}

TEST_F(SetupTableImageDecode, ByteOrderComesFromTheTablesModel) {
    context_.SetLoggerType(13);  // a connected logger of another model changes nothing
    const CSetupTable source = ImageTable(2);
    CSUTInfo info = SummaryOf(source);
    CSetupTable decoded = TableOfModel(2);
    ASSERT_TRUE(decoded.DecodeChannelImage(info, ChannelImage(source)));
    EXPECT_EQ(decoded.GetHardwareChannel(0).GetPTRatio(), 1.5f);
}

TEST_F(SetupTableImageDecode, OlderModelsMarkAnEmptyNumberWith0xFF) {
    CSUTInfo info;
    info.channelTypes[0] = 6;
    const Bytes image = Hex("FF 12 34 56 10") + Zeros(34);
    CSetupTable decoded = TableOfModel(0);
    ASSERT_TRUE(decoded.DecodeChannelImage(info, image));
    EXPECT_EQ(decoded.GetHardwareChannel(0).GetCTSize(), 0.0f);
    EXPECT_EQ(decoded.GetHardwareChannel(0).GetOptions(), 0x01);
}

TEST_F(SetupTableImageDecode, TemperatureUnitLetters) {
    const struct {
        std::uint16_t unit;
        char letter;
        std::uint16_t back;
    } cases[] = {{0, 'F', 0}, {1, 'C', 1}, {2, 'R', 2}, {3, 'K', 3}, {7, 'F', 0}};
    for (const auto& c : cases) {
        CSetupTable table = TableOfModel(0);
        table.GetHardwareChannel(0).SetType(2);
        table.GetHardwareChannel(0).SetTemperatureUnit(c.unit);
        const Bytes image = ChannelImage(table);
        EXPECT_EQ(image[8], c.letter);
        CSUTInfo info = SummaryOf(table);
        CSetupTable decoded = TableOfModel(0);
        ASSERT_TRUE(decoded.DecodeChannelImage(info, image));
        EXPECT_EQ(decoded.GetHardwareChannel(0).GetTemperatureUnit(), c.back);
    }
}

TEST_F(SetupTableImageDecode, ShortImageFailsAndKeepsTheTable) {
    for (int model : {0, 13, 14}) {
        SCOPED_TRACE(model);
        const CSetupTable source = ImageTable(model);
        const Bytes image = ChannelImage(source);
        const CSetupTable before = TableOfModel(model);
        CSUTInfo info = SummaryOf(source);
        // The image may end inside the unused tail of its last slot, but not before the slot's fields.
        const std::size_t lastFields = image.size() - (model == 0 ? 8 : model == 13 ? 3 : 0);
        for (std::size_t cut = 0; cut < lastFields; ++cut) {
            CSetupTable decoded = before;
            info.channelsValid = true;
            ASSERT_FALSE(decoded.DecodeChannelImage(info, std::span(image).first(cut))) << cut;
            ASSERT_FALSE(info.channelsValid);
            ASSERT_TRUE(decoded.Compare(before)) << cut;
        }
    }
}

TEST_F(SetupTableImageDecode, SummariesNoSlotCanHoldFail) {
    const struct {
        int model;
        std::array<std::uint8_t, kMaxChannelSlots> types;
    } cases[] = {
        {0, {13}},                             // a type no slot holds
        {0, {1, 1, 1, 1, 6}},                  // a fifth hardware channel
        {13, {0, 0, 0, 0, 5, 5, 5}},           // a third software channel
        {14, {0, 0, 0, 0, 0, 0, 10, 10, 10}},  // a third pulse channel
        {14, {15, 15, 15, 15, 16}},            // a fifth analog channel
    };
    for (const auto& c : cases) {
        CSUTInfo info;
        info.channelTypes = c.types;
        CSetupTable decoded = TableOfModel(c.model);
        const Bytes image = Zeros(400);
        EXPECT_FALSE(decoded.DecodeChannelImage(info, image)) << c.model;
        EXPECT_EQ(decoded.GetChannelTypes(), TableOfModel(c.model).GetChannelTypes());
    }
}

TEST_F(SetupTableImageDecode, ChannelsTheSummaryDoesNotListAreOff) {
    CSetupTable reused = ImageTable(13);
    CSUTInfo info;
    info.channelTypes[1] = 6;
    const Bytes image = Zeros(39) + Hex("00 00 C8 42 10");
    ASSERT_TRUE(reused.DecodeChannelImage(info, image));
    EXPECT_EQ(reused.GetChannelTypes(), (std::vector<std::uint8_t>{0, 6, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(reused.GetHardwareChannel(1).GetCTSize(), 100.0f);
    EXPECT_EQ(reused.GetHardwareChannel(0).GetPTRatio(), 1.5f);  // the fields of an off channel stay
}

TEST_F(SetupTableImageDecode, AlarmBlockRoundTripIncludingRNDCHighLimits) {
    for (int model : {0, 13}) {
        SCOPED_TRACE(model);
        CSetupTable source = ImageTable(model);  // hardware channel 3 is an R,N,D,C channel
        CSUTAlarm& rndc = source.GetHardwareAlarms(2).GetAlarm(0);
        rndc.SetHighAlarmOn(true);
        rndc.SetHighLimit(1000.0f);
        rndc.SetLowLimit(2.0f);
        source.GetSoftwareAlarms(1).GetAlarm(4).SetLowLimit(-0.5f);
        source.SetAlarmsInUse(true);
        const Bytes image = AlarmImage(source);

        CSUTInfo info = SummaryOf(source);
        CSetupTable decoded = TableOfModel(model);
        ASSERT_TRUE(decoded.LoadLoggerAlarmBlock(info, image));
        EXPECT_TRUE(info.alarmsValid);
        EXPECT_EQ(decoded.GetHardwareAlarms(2).GetAlarm(0).GetHighLimit(), 1000.0f);
        EXPECT_EQ(decoded.GetSoftwareAlarms(1).GetAlarm(4).GetLowLimit(), -0.5f);
        EXPECT_TRUE(decoded.IsAlarmsInUse());
        EXPECT_EQ(AlarmImage(decoded), image);
    }
}

TEST_F(SetupTableImageDecode, AnRNDCHighLimitIsTakenAsItsBitPattern) {
    CSUTInfo info;
    info.channelTypes[0] = 4;
    info.channelTypes[1] = 1;
    // Both hardware channels' first alarm: low and high limits that begin with 0xFF.
    const Bytes entry = Hex("20 00 FF 00 00 01 FF C0 00 00");
    const Bytes image = entry + Zeros(50) + entry + Zeros(290);
    CSetupTable decoded = TableOfModel(0);
    ASSERT_TRUE(decoded.LoadLoggerAlarmBlock(info, image));
    EXPECT_EQ(decoded.GetHardwareAlarms(0).GetAlarm(0).GetLowLimit(), 0.0f);
    EXPECT_TRUE(std::isnan(decoded.GetHardwareAlarms(0).GetAlarm(0).GetHighLimit()));
    EXPECT_EQ(decoded.GetHardwareAlarms(1).GetAlarm(0).GetHighLimit(), 0.0f);
}

TEST_F(SetupTableImageDecode, ShortAlarmBlockFailsAndKeepsTheAlarms) {
    CSetupTable table = TableOfModel(0);
    table.GetHardwareAlarms(0).GetAlarm(0).SetLowLimit(5.0f);
    CSUTInfo info;
    const Bytes image = Bytes(359, 0x20);
    EXPECT_FALSE(table.LoadLoggerAlarmBlock(info, image));
    EXPECT_FALSE(info.alarmsValid);
    EXPECT_EQ(table.GetHardwareAlarms(0).GetAlarm(0).GetLowLimit(), 5.0f);
    EXPECT_EQ(table.GetHardwareAlarms(0).GetAlarm(0).GetFlags(), 0);
}

}  // namespace
