// Tests of the blocks of the setup image that is programmed into a logger.
#include <gtest/gtest.h>

#include "shared/setup/setup_table.h"
#include "tests/shared/setup/golden_bytes.h"
#include "tests/shared/setup/table_of_model.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/time_zone.h"

namespace {

using golden::Bytes;
using golden::Hex;
using golden::Text;
using golden::Zeros;
using golden::operator+;
using testsupport::TableOfModel;

constexpr std::uint8_t kFill = 0xEE;

// Builds a block into a buffer two bytes longer than the block, filled with kFill, and returns the
// block; the two bytes behind it must stay untouched.
template <typename Build>
Bytes Built(std::size_t blockSize, Build build) {
    Bytes buffer(blockSize + 2, kFill);
    EXPECT_TRUE(build(std::span<std::uint8_t>(buffer)));
    EXPECT_EQ(buffer[blockSize], kFill);
    EXPECT_EQ(buffer[blockSize + 1], kFill);
    buffer.resize(blockSize);
    return buffer;
}

Bytes ChannelBlock(const CSetupTable& table, bool allSlots = false) {
    return Built(table.GetLoggerChannelBlockSize(allSlots), [&](std::span<std::uint8_t> buffer) {
        return table.BuildLoggerChannelBlock(buffer, allSlots);
    });
}

class SetupTableImage : public ::testing::Test {
protected:
    testsupport::FakeAppContext context_;
};

TEST_F(SetupTableImage, HeaderBlockByModel) {
    const struct {
        int model;
        std::size_t nameSize;
        Bytes types;
    } cases[] = {
        {0, 21, Hex("01 00 02 00 05 00")},
        {13, 33, Hex("01 00 02 00 05 00 0B 00")},
        {14, 33, Hex("01 00 02 00 05 00 00 00 00 11")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        CSetupTable table = TableOfModel(c.model);
        table.GetHeader().SetHeaderText("Plant A");
        table.GetHeader().SetIntervalCode(9);
        table.GetHeader().SetOptionByte(0xB4);
        table.GetHardwareChannel(0).SetType(1);
        table.GetHardwareChannel(2).SetType(2);
        table.GetSoftwareChannel(0).SetType(5);
        table.GetPulseChannel(0).SetType(11);
        table.GetAnalogChannel(3).SetType(17);
        const Bytes expected =
            Hex("00 00") + Text("Plant A", c.nameSize) + c.types + Hex("4A B4") + Zeros(18 + 9);
        ASSERT_EQ(table.GetLoggerHeaderBlockSize(), expected.size());
        EXPECT_EQ(Built(expected.size(), [&](auto buffer) { return table.BuildLoggerHeaderBlock(buffer); }),
                  expected);
    }
    EXPECT_EQ(TableOfModel(0).GetLoggerHeaderBlockSize(), 58u);
    EXPECT_EQ(TableOfModel(13).GetLoggerHeaderBlockSize(), 72u);
    EXPECT_EQ(TableOfModel(14).GetLoggerHeaderBlockSize(), 74u);
}

TEST_F(SetupTableImage, ChannelSlotsOfAnOlderModelAreBigEndian) {
    CSetupTable table = TableOfModel(0);
    CSUTChannelHardware& power = table.GetHardwareChannel(0);
    power.SetType(1);
    power.SetVHi('B');
    power.SetPTRatio(2.0f);
    power.SetCTSize(200.0f);
    power.SetPowerOptions(kQuantityVoltage, 0x0F);
    power.SetPowerOptions(kQuantityCurrent, 0x01);
    power.SetPowerOptions(kQuantityKW, 0x02);
    power.SetPowerOptions(kQuantityKVA, 0x04);
    power.SetPowerOptions(kQuantityPF, 0x08);
    power.SetPowerOptions(kQuantityKVAR, 0xF0);  // no option bits
    CSUTChannelHardware& temperature = table.GetHardwareChannel(1);
    temperature.SetType(2);
    temperature.SetScaleValue2(-40.0f);
    temperature.SetTemperatureUnit(3);
    temperature.SetOptions(0x05);
    CSUTChannelHardware& rndc = table.GetHardwareChannel(2);
    rndc.SetType(4);
    rndc.SetRNDCScale(0.5f);
    rndc.SetUnits("Pulse");
    rndc.SetOptions(0x0F);
    rndc.SetLoggerLabel("Meter");
    CSUTChannelHardware& current = table.GetHardwareChannel(3);
    current.SetType(6);
    current.SetCTSize(50.0f);
    table.GetSoftwareChannel(0).SetType(5);  // combines channels 1 and 2: only 1 is a power channel

    const Bytes expected = Hex("42 41 40 00 00 00 43 48 00 00 F0 10 40 20 80 00") + Zeros(23) +
                           Hex("3F 80 00 00 C2 20 00 00 4B 30") + Zeros(29) + Hex("3F 00 00 00") +
                           Text("Pulse", 9) + Hex("F0") + Text("Meter", 21) + Zeros(4) +
                           Hex("42 48 00 00 10") + Zeros(34) + Hex("01 03 00 00 10 00 00 00");
    EXPECT_EQ(ChannelBlock(table), expected);
}

TEST_F(SetupTableImage, ChannelSlotsOfModel13AreLittleEndianWithPulseSlots) {
    CSetupTable table = TableOfModel(13);
    CSUTChannelHardware& power = table.GetHardwareChannel(0);
    power.SetType(1);
    power.SetVLo('N');
    power.SetCTType(1);
    CSUTChannelHardware& dc = table.GetHardwareChannel(1);
    dc.SetType(3);
    dc.SetLoggerLabel("Bus");
    CSUTChannelPulse& pulse = table.GetPulseChannel(1);
    pulse.SetType(11);
    pulse.SetValue(2.0f);
    pulse.SetScale(0.25f);
    pulse.SetPowerChannel(2);

    ASSERT_EQ(table.GetChannelCounts().Total(), 8);
    const Bytes expected = Hex("41 4E 01 00 00 00 80 3F 00 00 C8 42 CD CC 8C 3F 00 00 10 00 00 00") +
                           Zeros(17) + Hex("00 00 80 3F 00 00 00 00") + Text("VoltsDC", 9) + Hex("10") +
                           Text("Bus", 21) + Zeros(2 * 39) + Zeros(2 * 8) + Zeros(16) +
                           Hex("00 00 00 40 00 00 80 3E 0B 00 00 00 02 00 00 00");
    ASSERT_EQ(expected.size(), 204u);
    EXPECT_EQ(ChannelBlock(table), expected);
}

TEST_F(SetupTableImage, AnalogSlotsCarryTheirFieldsAsHeld) {
    CSetupTable table = TableOfModel(14);
    CSUTChannelAnalog& analog = table.GetAnalogChannel(0);
    analog.SetType(15);
    analog.SetLowSensor(4.0f);
    analog.SetHighSensor(20.0f);
    analog.SetLowOutput(-1.5f);
    analog.SetHighOutput(100.0f);
    analog.SetUnits("psi");
    analog.SetLoggerByte(0x24);
    const Bytes expected = Zeros(4 * 39 + 2 * 8) + Hex("00 00 80 40 00 00 C0 BF 00 00 A0 41 00 00 C8 42") +
                           Text("psi", 20) + Hex("24 10");
    EXPECT_EQ(ChannelBlock(table), expected);
}

TEST_F(SetupTableImage, VoltageAndCurrentInputsTravelAsType3) {
    CSetupTable table = TableOfModel(7);
    const std::uint8_t types[] = {7, 8, 9};
    for (int i = 0; i < 3; ++i) {
        table.GetHardwareChannel(i).SetType(types[i]);
        table.GetHardwareChannel(i).SetOptions(0x0A);  // 0x02 and 0x08: logger bits 0x40 and 0x80
    }
    const Bytes slot = Hex("3F 80 00 00 00 00 00 00") + Text("VoltsDC", 9) + Hex("C0") + Zeros(21);
    EXPECT_EQ(ChannelBlock(table), slot + slot + slot);
}

TEST_F(SetupTableImage, ChannelCountsAndBlockSizes) {
    const struct {
        int model;
        std::vector<std::pair<char, int>> inUse;  // kind ('h', 's', 'p', 'a') and index
        ChannelCounts counts;
        std::size_t size;
    } cases[] = {
        {0, {}, {0, 0, 0, 0}, 0},
        {0, {{'h', 2}}, {3, 0, 0, 0}, 117},
        {2, {{'s', 1}}, {4, 2, 0, 0}, 172},
        {13, {{'h', 0}, {'p', 1}}, {4, 2, 2, 0}, 204},
        {14, {{'a', 2}}, {4, 2, 0, 3}, 286},
        {13, {{'a', 2}}, {0, 0, 0, 0}, 0},  // analog channels are not model 13's
    };
    for (const auto& c : cases) {
        CSetupTable table = TableOfModel(c.model);
        for (const auto& [kind, index] : c.inUse) {
            switch (kind) {
                case 'h':
                    table.GetHardwareChannel(index).SetType(1);
                    break;
                case 's':
                    table.GetSoftwareChannel(index).SetType(5);
                    break;
                case 'p':
                    table.GetPulseChannel(index).SetType(10);
                    break;
                default:
                    table.GetAnalogChannel(index).SetType(15);
            }
        }
        const ChannelCounts counts = table.GetChannelCounts();
        EXPECT_EQ(counts.hardware, c.counts.hardware);
        EXPECT_EQ(counts.software, c.counts.software);
        EXPECT_EQ(counts.pulse, c.counts.pulse);
        EXPECT_EQ(counts.analog, c.counts.analog);
        EXPECT_EQ(table.GetLoggerChannelBlockSize(), c.size) << c.model;
    }
    EXPECT_EQ(TableOfModel(0).GetLoggerChannelBlockSize(true), 172u);
    EXPECT_EQ(TableOfModel(13).GetLoggerChannelBlockSize(true), 204u);
    EXPECT_EQ(TableOfModel(14).GetLoggerChannelBlockSize(true), 324u);
    EXPECT_EQ(ChannelBlock(TableOfModel(13), true), Zeros(204));
}

TEST_F(SetupTableImage, LabelAndNoteBlocks) {
    CSetupTable table = TableOfModel(0);
    for (int i = 0; i < 3; ++i) {
        table.GetHardwareChannel(i).SetType(1);
    }
    table.GetHardwareChannel(3).SetName("Not carried");  // channel 4 is not in the channel block
    EXPECT_EQ(table.GetLoggerLabelBlockSize(), 0u);
    EXPECT_EQ(table.GetLoggerNoteBlockSize(), 0u);
    EXPECT_TRUE(table.BuildLoggerLabelBlock({}));
    EXPECT_TRUE(table.BuildLoggerNoteBlock({}));

    table.GetHardwareChannel(1).SetName("Name2");
    EXPECT_EQ(Built(42, [&](auto buffer) { return table.BuildLoggerLabelBlock(buffer); }),
              Zeros(21) + Text("Name2", 21));

    table.GetSoftwareChannel(0).SetType(5);
    table.GetSoftwareChannel(0).SetNote("Software note");
    table.GetHardwareChannel(0).SetNote("First note");
    EXPECT_EQ(Built(5 * 81, [&](auto buffer) { return table.BuildLoggerNoteBlock(buffer); }),
              Text("First note", 81) + Zeros(3 * 81) + Text("Software note", 81));

    CSetupTable quarven = TableOfModel(13);
    quarven.GetPulseChannel(1).SetName("Gas");
    EXPECT_EQ(Built(168, [&](auto buffer) { return quarven.BuildLoggerLabelBlock(buffer); }),
              Zeros(7 * 21) + Text("Gas", 21));
    EXPECT_EQ(TableOfModel(14).GetLoggerLabelBlockSize(), 210u);
}

TEST_F(SetupTableImage, AlarmBlockInTheModelsByteOrder) {
    for (int model : {0, 13}) {
        SCOPED_TRACE(model);
        CSetupTable table = TableOfModel(model);
        CSUTAlarm& volts = table.GetHardwareAlarms(0).GetAlarm(0);
        volts.SetLowAlarmOn(true);
        volts.SetOptions(0x01);
        volts.SetLowLimit(100.0f);
        volts.SetHighLimit(250.0f);
        table.SetAlarmsInUse(true);
        table.GetSoftwareAlarms(1).GetAlarm(5).SetHighLimit(1.0f);
        const Bytes first =
            model == 0 ? Hex("90 01 42 C8 00 00 43 7A 00 00") : Hex("90 01 00 00 C8 42 00 00 7A 43");
        const Bytes last =
            model == 0 ? Hex("00 00 00 00 00 00 3F 80 00 00") : Hex("00 00 00 00 00 00 00 00 80 3F");
        EXPECT_EQ(Built(360, [&](auto buffer) { return table.BuildLoggerAlarmBlock(buffer); }),
                  first + Zeros(34 * 10) + last);
    }
}

TEST_F(SetupTableImage, TimeBlockOfModel13InUtc) {
    testsupport::WithTimeZone(testsupport::kNewYork, [] {
        CSetupTable table = TableOfModel(13);
        table.GetExtendedData().SetStartTime(1710055800);  // 2024-03-10 07:30:00 UTC
        EXPECT_EQ(table.GetLoggerTimeBlockSize(), 12u);
        EXPECT_EQ(Built(12, [&](auto buffer) { return table.BuildLoggerTimeBlock(buffer); }),
                  Hex("7C 02 0A 07 1E 00") + Zeros(6));
    });
}

TEST_F(SetupTableImage, TimeBlockOfOlderModelsInLocalTime) {
    const struct {
        const char* zone;
        Bytes start;
        Bytes stop;
    } cases[] = {
        // Just after the spring change, and inside the repeated autumn hour.
        {testsupport::kNewYork, Hex("7C 03 0A 03 1E 00"), Hex("7C 0B 03 01 1E 0F")},
        {testsupport::kUtc, Hex("7C 03 0A 07 1E 00"), Hex("7C 0B 03 05 1E 0F")},
    };
    for (const auto& c : cases) {
        testsupport::WithTimeZone(c.zone, [&] {
            CSetupTable table = TableOfModel(2);
            table.GetExtendedData().SetStartTime(1710055800);
            table.GetExtendedData().SetStopTime(1730611815);  // 2024-11-03 05:30:15 UTC
            table.GetExtendedData().SetTimeSetting(0x05);
            table.GetExtendedData().SetLoggerValue(0, 99);  // never sent: the logger numbers go as 0
            table.GetExtendedData().SetTimeBlockByte1(0x11);
            EXPECT_EQ(Built(62, [&](auto buffer) { return table.BuildLoggerTimeBlock(buffer); }),
                      c.start + c.stop + Hex("05") + Zeros(24 + 6 + 4) + Hex("11 8F") + Zeros(13))
                << c.zone;
        });
    }
    CSetupTable unset = TableOfModel(0);
    EXPECT_EQ(Built(62, [&](auto buffer) { return unset.BuildLoggerTimeBlock(buffer); }),
              Zeros(48) + Hex("8F") + Zeros(13));
}

TEST_F(SetupTableImage, ShortBuffersAreRefusedAndLeftAlone) {
    CSetupTable table = TableOfModel(13);
    table.GetHardwareChannel(0).SetType(1);
    table.GetHardwareChannel(0).SetName("n");
    table.GetHardwareChannel(0).SetNote("n");
    const struct {
        const char* block;
        std::size_t size;
        std::function<bool(std::span<std::uint8_t>)> build;
    } cases[] = {
        {"header", table.GetLoggerHeaderBlockSize(), [&](auto b) { return table.BuildLoggerHeaderBlock(b); }},
        {"channel", table.GetLoggerChannelBlockSize(),
         [&](auto b) { return table.BuildLoggerChannelBlock(b); }},
        {"label", table.GetLoggerLabelBlockSize(), [&](auto b) { return table.BuildLoggerLabelBlock(b); }},
        {"note", table.GetLoggerNoteBlockSize(), [&](auto b) { return table.BuildLoggerNoteBlock(b); }},
        {"alarm", CSetupTable::kLoggerAlarmBlockSize, [&](auto b) { return table.BuildLoggerAlarmBlock(b); }},
        {"time", table.GetLoggerTimeBlockSize(), [&](auto b) { return table.BuildLoggerTimeBlock(b); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.block);
        ASSERT_GT(c.size, 0u);
        Bytes buffer(c.size - 1, kFill);
        EXPECT_FALSE(c.build(buffer));
        EXPECT_EQ(buffer, Bytes(c.size - 1, kFill));
        EXPECT_FALSE(c.build({}));
    }
}

TEST_F(SetupTableImage, TypesASlotCannotHoldFailTheChannelBlock) {
    const std::function<void(CSetupTable&)> cases[] = {
        [](CSetupTable& t) { t.GetHardwareChannel(0).SetType(5); },
        [](CSetupTable& t) { t.GetHardwareChannel(1).SetType(12); },
        [](CSetupTable& t) { t.GetSoftwareChannel(0).SetType(1); },
        [](CSetupTable& t) { t.GetPulseChannel(0).SetType(15); },
        [](CSetupTable& t) {
            t.GetHeader().SetModelCode(14);
            t.GetAnalogChannel(0).SetType(10);
        },
    };
    for (const auto& change : cases) {
        CSetupTable table = TableOfModel(13);
        change(table);
        Bytes buffer(table.GetLoggerChannelBlockSize(true), kFill);
        EXPECT_FALSE(table.BuildLoggerChannelBlock(buffer, true));
    }
    // A hardware slot of an analog type carries nothing.
    CSetupTable table = TableOfModel(0);
    table.GetHardwareChannel(0).SetType(16);
    EXPECT_EQ(ChannelBlock(table), Zeros(39));
}

}  // namespace
