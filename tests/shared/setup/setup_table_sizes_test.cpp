// Tests of the record-size arithmetic: logger records, data records, records and bytes per day, days.
#include <gtest/gtest.h>

#include <functional>

#include "shared/setup/setup_table.h"
#include "tests/support/fake_app_context.h"

namespace {

struct SizeCase {
    const char* name;
    int model;
    std::function<void(CSetupTable&)> setup;
    int loggerSize;
    int dataSize;
};

void AllOptions(CSUTChannelHardware& channel) {
    for (int group = 0; group < kPowerQuantities; ++group) {
        channel.SetPowerOptions(group, 0x0F);
    }
}

TEST(SetupTableSizes, LoggerAndDataRecordSizes) {
    testsupport::FakeAppContext context;
    const SizeCase cases[] = {
        {"new standard table", 0, [](CSetupTable&) {}, 4, 7},
        // Group widths 2, 2, 3, 3, 1, 3 with four values each, stamp width 3 for the two stamped ones.
        {"Ornat power channel, every value", 2,
         [](CSetupTable& t) {
             t.GetHardwareChannel(0).SetType(1);
             AllOptions(t.GetHardwareChannel(0));
         },
         3 + 4 * (2 + 2 + 3 + 3 + 1 + 3) + 6 * 2 * 3, 7 + 6 * (4 * 4 + 2 * 3)},
        {"standard power and software channel, kW average", 0,
         [](CSetupTable& t) {
             t.GetHardwareChannel(2).SetType(1);
             t.GetSoftwareChannel(0).SetType(5);
         },
         4 + 3 + 3, 7 + 4 + 4},
        {"Quarven power and software channel, kW average", 13,
         [](CSetupTable& t) {
             t.GetHardwareChannel(0).SetType(1);
             t.GetSoftwareChannel(1).SetType(5);
         },
         8 + 4 + 4, 7 + 4 + 4},
        {"Brelan ignores software channels", 5,
         [](CSetupTable& t) {
             t.GetHardwareChannel(0).SetType(2);
             t.GetHardwareChannel(0).SetOptions(0x0F);
             t.GetSoftwareChannel(0).SetType(5);
         },
         3 + 4 * 2 + 2 * 3, 7 + 4 * 4 + 2 * 3 + 4},
        {"Brelan power channel counts only PF values and stamps", 7,
         [](CSetupTable& t) {
             t.GetHardwareChannel(1).SetType(1);
             AllOptions(t.GetHardwareChannel(1));
         },
         3 + 4 * 1 + 6 * 2 * 3, 7 + 6 * 22},
        {"5 V DC, R,N,D,C and current-only channels", 0,
         [](CSetupTable& t) {
             t.GetHardwareChannel(0).SetType(3);
             t.GetHardwareChannel(0).SetOptions(0x03);
             t.GetHardwareChannel(1).SetType(4);
             t.GetHardwareChannel(1).SetOptions(0x0F);
             t.GetHardwareChannel(2).SetType(6);
             t.GetHardwareChannel(2).SetOptions(0x18);  // only the low four bits count
         },
         4 + (2 * 3 + 3) + 4 * 4 + 2, 7 + (8 + 3) + 16 + 4},
        {"Ornat software PF group takes width 1", 1,
         [](CSetupTable& t) {
             t.GetSoftwareChannel(0).SetType(5);
             t.GetSoftwareChannel(0).SetPowerOptions(kQuantityKW, 0);
             t.GetSoftwareChannel(0).SetPowerOptions(kQuantityPF, 0x0F);
         },
         3 + 4 * 1 + 2 * 3, 7 + 4 * 4 + 2 * 3},
        {"Quarven KX analog channels", 14,
         [](CSetupTable& t) {
             t.GetAnalogChannel(0).SetType(15);
             t.GetAnalogChannel(0).SetOptions(0x06);
             t.GetAnalogChannel(3).SetType(17);
         },
         8 + (2 + 2) * 4 + 4, 7 + (8 + 6) + 4},
        {"analog channels count only for model 14", 13,
         [](CSetupTable& t) { t.GetAnalogChannel(0).SetType(15); }, 8, 7},
        {"types 0, 5 and above 9 in a hardware slot add nothing", 0,
         [](CSetupTable& t) {
             t.GetHardwareChannel(0).SetType(5);
             t.GetHardwareChannel(1).SetType(10);
             t.GetHardwareChannel(2).SetType(16);
         },
         4, 7},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        CSetupTable table;
        table.GetHeader().SetModelCode(static_cast<std::uint8_t>(c.model));
        c.setup(table);
        EXPECT_EQ(table.ComputeRecordSize(), c.loggerSize);
        EXPECT_EQ(table.GetRecordSize(), c.loggerSize);
        EXPECT_EQ(table.GetDataRecordSize(), c.dataSize);
    }
}

TEST(SetupTableSizes, UnservedModelsHaveNoLoggerRecordSize) {
    testsupport::FakeAppContext context;
    for (int model : {11, 12, 15, 255}) {
        CSetupTable table;
        table.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
        EXPECT_EQ(table.GetRecordSize(), 0) << model;
        EXPECT_GT(table.ComputeRecordSize(), 0) << model;
    }
}

TEST(SetupTableSizes, RecordsAndBytesPerDay) {
    testsupport::FakeAppContext context;
    CSetupTable table;
    table.GetHeader().SetIntervalCode(9);
    EXPECT_EQ(table.GetRecordsPerDay(), 8640);
    EXPECT_EQ(table.GetRecordsPerDay(kIntervalOwnCode), 8640);
    EXPECT_EQ(table.GetRecordsPerDay(7), 43200);
    EXPECT_EQ(table.GetRecordsPerDay(20), 0);
    EXPECT_EQ(table.GetIntervalSeconds(), 10);

    table.GetHardwareChannel(0).SetType(1);  // standard model: 4 + 3 bytes
    EXPECT_EQ(table.GetBytesPerDay(2), 7 * 96);
    table.GetHeader().SetModelCode(13);  // 8 + 4 bytes and 4 more per record
    EXPECT_EQ(table.GetBytesPerDay(), 16 * 8640);
    EXPECT_EQ(table.GetBytesPerDay(17), 0);
}

TEST(SetupTableSizes, RecordingDays) {
    testsupport::FakeAppContext context;
    CSetupTable table;
    table.GetHardwareChannel(0).SetType(1);
    EXPECT_DOUBLE_EQ(table.GetRecordingDays(122879.0, 672, false), 122879.0 / 672);
    EXPECT_DOUBLE_EQ(table.GetRecordingDays(511999.0, 672, false), 511999.0 / 672);

    table.GetHeader().SetModelCode(13);  // records of 12 bytes, 16 with the 4 more
    EXPECT_DOUBLE_EQ(table.GetRecordingDays(1000.0, 100, true), 992.0 / 100);
    EXPECT_DOUBLE_EQ(table.GetRecordingDays(1000.0, 100, false), 10.0);
    EXPECT_EQ(table.GetRecordingDays(1000.0, 0, true), 0.0);
}

}  // namespace
