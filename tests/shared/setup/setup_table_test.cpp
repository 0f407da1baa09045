// Tests of the setup table as a whole: copying, comparison, logging compatibility, channel types,
// alarms-in-use and the items of the print-out.
#include "shared/setup/setup_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/setup/setup_print_plan.h"
#include "shared/setup/setup_printer.h"
#include "tests/shared/setup/table_of_model.h"
#include "tests/support/fake_app_context.h"

namespace {

using testsupport::TableOfModel;

class SetupTable : public ::testing::Test {
protected:
    testsupport::FakeAppContext context_;
};

TEST_F(SetupTable, CopyTakesTheExtraChannelsOfTheCopiedModelAndResetsTheOthers) {
    CSetupTable source = TableOfModel(13);
    source.GetPulseChannel(1).SetType(12);
    source.GetAnalogChannel(2).SetType(17);  // not a model-13 channel: never copied
    source.GetHardwareAlarms(1).GetAlarm(0).SetLowLimit(4.0f);
    source.GetExtendedData().SetStopTime(77);

    CSetupTable target = TableOfModel(14);
    target.GetAnalogChannel(0).SetType(15);  // stale after the model changes
    target = source;
    EXPECT_EQ(target.GetModelCode(), 13);
    EXPECT_EQ(target.GetPulseChannel(1).GetType(), 12);
    EXPECT_EQ(target.GetAnalogChannel(0).GetType(), 0);
    EXPECT_EQ(target.GetAnalogChannel(2).GetType(), 0);
    EXPECT_EQ(target.GetHardwareAlarms(1).GetAlarm(0).GetLowLimit(), 4.0f);
    EXPECT_EQ(target.GetExtendedData().GetStopTime(), 77u);

    source.GetHeader().SetModelCode(2);
    const CSetupTable older(source);
    EXPECT_EQ(older.GetPulseChannel(1).GetType(), 0);
}

TEST_F(SetupTable, CompareLooksAtHeaderHardwareAndSoftwareOnly) {
    const CSetupTable base = TableOfModel(13);
    const auto equalAfter = [&base](auto change) {
        CSetupTable changed = base;
        change(changed);
        return changed.Compare(base);
    };
    EXPECT_TRUE(equalAfter([](CSetupTable& t) { t.GetHardwareAlarms(0).GetAlarm(1).SetHighLimit(9.0f); }));
    EXPECT_TRUE(equalAfter([](CSetupTable& t) { t.GetPulseChannel(0).SetType(10); }));
    EXPECT_TRUE(equalAfter([](CSetupTable& t) { t.GetExtendedData().SetDemandWindow(30); }));
    EXPECT_FALSE(equalAfter([](CSetupTable& t) { t.GetHardwareChannel(3).SetNote("n"); }));
    EXPECT_FALSE(equalAfter([](CSetupTable& t) { t.GetSoftwareChannel(1).SetType(5); }));
    EXPECT_FALSE(equalAfter([](CSetupTable& t) { t.GetHeader().SetIntervalCode(0); }));
}

TEST_F(SetupTable, LoggingCompatibility) {
    CSetupTable file = TableOfModel(2);
    file.GetHardwareChannel(0).SetType(1);
    const auto compatibleAfter = [&file](auto change) {
        CSetupTable logger = file;
        change(logger);
        return logger.IsLoggingCompatible(file);
    };
    EXPECT_TRUE(compatibleAfter([](CSetupTable&) {}));
    EXPECT_TRUE(compatibleAfter([](CSetupTable& t) { t.GetHardwareChannel(0).SetType(6); }));
    EXPECT_TRUE(compatibleAfter([](CSetupTable& t) { t.GetHardwareChannel(0).SetName("other name"); }));
    EXPECT_FALSE(compatibleAfter([](CSetupTable& t) { t.GetHardwareChannel(1).SetType(2); }));
    EXPECT_FALSE(compatibleAfter([](CSetupTable& t) { t.GetHeader().SetIntervalCode(3); }));
    EXPECT_FALSE(compatibleAfter([](CSetupTable& t) { t.GetHardwareChannel(2).SetTemperatureUnit(1); }));
    EXPECT_FALSE(compatibleAfter([](CSetupTable& t) { t.GetHardwareChannel(2).SetUnits("Amps"); }));
    EXPECT_FALSE(compatibleAfter([](CSetupTable& t) { t.GetSoftwareChannel(0).SetType(5); }));
    // Other recording options make other columns: old values would land under new ones.
    EXPECT_FALSE(compatibleAfter([](CSetupTable& t) { t.GetHardwareChannel(0).SetPowerOptions(3, 0x07); }));
    EXPECT_FALSE(compatibleAfter([](CSetupTable& t) { t.GetHardwareChannel(1).SetOptions(0x03); }));
    EXPECT_FALSE(compatibleAfter([](CSetupTable& t) { t.GetSoftwareChannel(1).SetPowerOptions(5, 0x01); }));
    // A type 1 in this table does not match a type 6 in the other.
    CSetupTable current = file;
    current.GetHardwareChannel(0).SetType(6);
    EXPECT_FALSE(file.IsLoggingCompatible(current));
}

TEST_F(SetupTable, ChannelTypesAndActiveChannels) {
    CSetupTable table = TableOfModel(14);
    table.GetSoftwareChannel(1).SetType(5);
    table.GetPulseChannel(0).SetType(10);
    table.GetAnalogChannel(3).SetType(16);
    EXPECT_EQ(table.GetChannelTypes(), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 5, 0, 0, 0, 16}));
    EXPECT_FALSE(table.HasActiveChannel(false));
    EXPECT_TRUE(table.HasActiveChannel(true));

    table.GetHeader().SetModelCode(13);
    EXPECT_EQ(table.GetChannelTypes(), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 5, 10, 0}));
    EXPECT_FALSE(table.HasActiveChannel(true));
    table.GetHardwareChannel(2).SetType(9);
    EXPECT_TRUE(table.HasActiveChannel(false));
    table.GetHeader().SetModelCode(0);
    EXPECT_EQ(table.GetChannelTypes().size(), 6u);
}

TEST_F(SetupTable, AlarmsInUseIsOneBitOfTheFirstAlarmSet) {
    CSetupTable table;
    table.GetHardwareAlarms(0).GetAlarm(0).SetLowAlarmOn(true);
    table.SetAlarmsInUse(true);
    EXPECT_TRUE(table.IsAlarmsInUse());
    EXPECT_EQ(table.GetHardwareAlarms(0).GetAlarm(0).GetFlags(), 0x90);
    table.SetAlarmsInUse(false);
    EXPECT_FALSE(table.IsAlarmsInUse());
    EXPECT_TRUE(table.GetHardwareAlarms(0).GetAlarm(0).IsLowAlarmOn());
}

// Records which item printed what, as "<kind><item>".
class RecordingPrinter : public SetupPrinter {
public:
    std::vector<std::string> lines;
    void PrintHeader(const CSUTHeader&) override { lines.push_back("header"); }
    void PrintHardwareChannel(const CSUTChannelHardware&, int item) override { Add("hardware", item); }
    void PrintSoftwareChannel(const CSUTChannelSoftware&, int item) override { Add("software", item); }
    void PrintPulseChannel(const CSUTChannelPulse&, int item) override { Add("pulse", item); }

private:
    void Add(const std::string& kind, int item) { lines.push_back(kind + std::to_string(item)); }
};

std::vector<std::string> PrintOut(const CSetupTable& table) {
    RecordingPrinter printer;
    for (int item : PlanPrintPages(table)) {
        table.DescribeItem(printer, item);
    }
    return printer.lines;
}

TEST_F(SetupTable, PrintOutItemsBySoftwareChannelsAndModel) {
    const std::vector<std::string> hardware = {"header", "hardware1", "hardware2", "hardware3", "hardware4"};
    CSetupTable table = TableOfModel(0);
    table.GetHardwareChannel(0).SetType(1);
    EXPECT_EQ(PrintOut(table), hardware);

    table.GetHardwareChannel(3).SetType(1);
    auto expected = hardware;
    expected.push_back("software5");
    EXPECT_EQ(PrintOut(table), expected);

    table.GetHardwareChannel(1).SetType(1);
    table.GetHeader().SetModelCode(13);
    expected.insert(expected.end(), {"software6", "pulse7", "pulse8"});
    EXPECT_EQ(PrintOut(table), expected);

    table.GetHeader().SetModelCode(14);  // analog channels have no item
    expected.resize(expected.size() - 2);
    EXPECT_EQ(PrintOut(table), expected);
}

}  // namespace
