// Tests of the data-file columns that a setup table describes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/program_texts.h"
#include "shared/setup/setup_table.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/resource_texts.h"

namespace {

// "<name> | <storage> <value kind> ch<index> <size>@<offset> [sw] [value]", one line per column.
std::vector<std::string> Describe(const std::vector<CRawDataField>& fields) {
    std::vector<std::string> lines;
    for (const CRawDataField& f : fields) {
        std::string name = f.name;
        name.replace(name.find('\n'), 1, " / ");
        lines.push_back(name + " | " + std::to_string(f.storageKind) + " " + std::to_string(f.valueKind) +
                        " ch" + std::to_string(f.channelIndex) + " " + std::to_string(f.size) + "@" +
                        std::to_string(f.offset) + (f.softwareChannel ? " sw" : "") +
                        (f.valueColumn ? " value" : ""));
    }
    return lines;
}

class SetupTableFields : public ::testing::Test {
protected:
    void SetUp() override { SetProgramTexts(testsupport::LoadResourceTexts("en", "setup")); }
    void TearDown() override { SetProgramTexts({}); }

    // Builds the columns from offset 7 and checks that they end at the data record size.
    std::vector<std::string> Columns(const CSetupTable& table) {
        std::vector<CRawDataField> fields;
        const int end = table.BuildDataFields(fields, 7);
        EXPECT_EQ(end, table.GetDataRecordSize());
        return Describe(fields);
    }

    testsupport::FakeAppContext context_;
};

TEST_F(SetupTableFields, PowerChannelValuesInBitOrderWithTheirTimes) {
    CSetupTable table;
    CSUTChannelHardware& channel = table.GetHardwareChannel(1);
    channel.SetType(1);
    channel.SetName("Main Feeder Incomer");
    channel.SetPowerOptions(kQuantityVoltage, 0x0F);
    EXPECT_EQ(Columns(table), (std::vector<std::string>{
                                  "Chan 2 / Main Feede... Inst Volts | 0 2 ch1 4@7 value",
                                  "Chan 2 / Main Feede... Min Volts | 0 2 ch1 4@11 value",
                                  "Chan 2 / Main Feede... Time of Min | 2 20 ch1 3@15",
                                  "Chan 2 / Main Feede... Max Volts | 0 2 ch1 4@18 value",
                                  "Chan 2 / Main Feede... Time of Max | 2 20 ch1 3@22",
                                  "Chan 2 / Main Feede... Avg Volts | 0 2 ch1 4@25 value",
                                  "Chan 2 / Main Feede... Avg KW | 0 4 ch1 4@29 value",
                              }));
}

TEST_F(SetupTableFields, SingleValueChannelsBySetupType) {
    CSetupTable table;
    const int types[] = {2, 3, 6, 7};
    for (int i = 0; i < 4; ++i) {
        table.GetHardwareChannel(i).SetType(static_cast<std::uint8_t>(types[i]));
    }
    table.GetHardwareChannel(0).SetTemperatureUnit(3);
    table.GetHardwareChannel(0).SetName("Oil");
    EXPECT_EQ(Columns(table), (std::vector<std::string>{
                                  "Chan 1 / Oil Avg Deg K | 0 9 ch0 4@7 value",
                                  "Chan 2 / Avg 5VDC | 0 3 ch1 4@11 value",
                                  "Chan 3 / Avg Amps | 0 1 ch2 4@15 value",
                                  "Chan 4 / Avg 0-10VDC | 0 18 ch3 4@19 value",
                              }));
    table.GetHardwareChannel(0).SetType(8);
    table.GetHardwareChannel(1).SetType(9);
    table.GetHardwareChannel(2).SetType(0);
    table.GetHardwareChannel(3).SetType(5);  // no hardware kind: no columns
    EXPECT_EQ(Columns(table), (std::vector<std::string>{
                                  "Chan 1 / Oil Avg 4-20mA | 0 18 ch0 4@7 value",
                                  "Chan 2 / Avg 0-25mA | 0 18 ch1 4@11 value",
                              }));
}

TEST_F(SetupTableFields, RNDCChannelNamesItsValuesByUnitsOrWords) {
    CSetupTable table;
    table.GetHardwareChannel(0).SetType(4);
    table.GetHardwareChannel(0).SetOptions(0x0F);
    table.GetHardwareChannel(0).SetUnits("kWh");
    table.GetHardwareChannel(1).SetType(4);
    table.GetHardwareChannel(1).SetOptions(0x09);
    table.GetHardwareChannel(1).SetUnits("");
    EXPECT_EQ(Columns(table), (std::vector<std::string>{
                                  "Chan 1 / kWh | 0 14 ch0 4@7 value",
                                  "Chan 1 / kWh | 0 15 ch0 4@11 value",
                                  "Chan 1 / Number | 0 16 ch0 4@15 value",
                                  "Chan 1 / Duration | 0 17 ch0 4@19 value",
                                  "Chan 2 / Count | 0 14 ch1 4@23 value",
                                  "Chan 2 / Rate | 0 15 ch1 4@27 value",
                              }));
}

TEST_F(SetupTableFields, SoftwareAndAnalogChannelsByModel) {
    CSetupTable table;
    table.GetHeader().SetModelCode(14);
    table.GetSoftwareChannel(1).SetType(5);
    table.GetSoftwareChannel(1).SetPowerOptions(kQuantityKW, 0x08);
    table.GetAnalogChannel(0).SetType(17);
    table.GetAnalogChannel(2).SetType(16);
    table.GetAnalogChannel(2).SetName("Flow");
    table.GetPulseChannel(0).SetType(10);  // pulse channels make no columns
    EXPECT_EQ(Columns(table), (std::vector<std::string>{
                                  "Channel 6 / Inst KW | 0 4 ch5 4@7 sw value",
                                  "Analog 1 / Avg Volts | 0 2 ch6 4@11 value",
                                  "Analog 3 / Flow Avg Amps | 0 1 ch8 4@15 value",
                              }));
    table.GetHeader().SetModelCode(13);
    EXPECT_EQ(Columns(table).size(), 1u);
}

TEST_F(SetupTableFields, BuildingTwiceGivesTheSameColumns) {
    CSetupTable table;
    table.GetHardwareChannel(0).SetType(1);
    table.GetSoftwareChannel(0).SetType(5);
    std::vector<CRawDataField> first;
    std::vector<CRawDataField> second;
    EXPECT_EQ(table.BuildDataFields(first, 7), 15);
    EXPECT_EQ(table.BuildDataFields(second, 7), 15);
    EXPECT_EQ(Describe(first), Describe(second));
    // Appended behind existing columns, from the offset given.
    EXPECT_EQ(table.BuildDataFields(first, 100), 108);
    EXPECT_EQ(first.size(), 4u);
    EXPECT_EQ(first[2].offset, 100);
}

}  // namespace
