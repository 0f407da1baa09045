// Tests of the summary of a logger's setup.
#include "shared/setup/sut_info.h"

#include <gtest/gtest.h>

#include "tests/support/fake_app_context.h"
#include "tests/support/time_zone.h"

namespace {

TEST(SUTInfo, LastUsedChannelCountsTheModelsSlots) {
    CSUTInfo info;
    EXPECT_EQ(info.GetLastUsedChannel(0), -1);
    EXPECT_EQ(info.GetChannelCount(0), 0);
    info.channelTypes = {1, 0, 2, 0, 0, 0, 10, 0, 0, 15};
    EXPECT_EQ(info.GetLastUsedChannel(0), 2);
    EXPECT_EQ(info.GetChannelCount(13), 7);
    EXPECT_EQ(info.GetLastUsedChannel(14), 9);
}

TEST(SUTInfo, ValueCountNeedsASetupTable) {
    testsupport::FakeAppContext context;
    CSUTInfo info;
    info.channelTypes = {1, 2, 4, 6, 5, 0, 0, 0, 16, 17};
    EXPECT_EQ(info.GetValueCount(), 0);
    info.setupTable = std::make_unique<CSetupTable>();
    EXPECT_EQ(info.GetValueCount(), 7 + 1 + 1 + 1 + 7);
    info.setupTable->GetHeader().SetModelCode(14);
    EXPECT_EQ(info.GetValueCount(), 17 + 2);
}

TEST(SUTInfo, UpdateFromSetupTakesEveryChannelTypeOfTheModel) {
    testsupport::FakeAppContext context;
    CSUTInfo info;
    info.UpdateFromSetup();  // no table: cleared
    EXPECT_FALSE(info.headerValid);

    info.setupTable = std::make_unique<CSetupTable>();
    CSetupTable& table = *info.setupTable;
    table.GetHeader().SetModelCode(14);
    table.GetHeader().SetHeaderText("Plant");
    table.GetHeader().SetIntervalCode(9);
    table.GetHardwareChannel(0).SetType(1);
    table.GetAnalogChannel(3).SetType(17);
    info.channelTypes.fill(9);
    info.UpdateFromSetup();
    EXPECT_TRUE(info.headerValid && info.channelsValid && info.alarmsValid && info.extendedValid);
    EXPECT_EQ(info.loggerInterval, 0x4A);
    EXPECT_EQ(info.setupName, "Plant");
    EXPECT_EQ(info.channelTypes, (std::array<std::uint8_t, 10>{1, 0, 0, 0, 0, 0, 0, 0, 0, 17}));
    EXPECT_EQ(info.GetLastUsedChannel(14), 9);
}

TEST(SUTInfo, ClearForgetsTheSetupButKeepsWhereItLies) {
    testsupport::FakeAppContext context;
    CSUTInfo info;
    info.headerValid = info.channelsValid = true;
    info.setupName = "Old";
    info.channelTypes[0] = 1;
    info.setupTime = 5;
    info.loggerInterval = 0x0F;
    info.startTime = 6;
    info.blockAddress = 0x1200;
    info.blockSize = 1264;
    info.setupTable = std::make_unique<CSetupTable>();
    info.Clear();
    EXPECT_FALSE(info.headerValid || info.channelsValid);
    EXPECT_EQ(info.setupName, "");
    EXPECT_EQ(info.GetLastUsedChannel(14), -1);
    EXPECT_EQ(info.setupTime, 0);
    EXPECT_EQ(info.loggerInterval, 0);
    EXPECT_EQ(info.startTime, 0);
    EXPECT_EQ(info.setupTable, nullptr);
    EXPECT_EQ(info.blockAddress, 0x1200);
    EXPECT_EQ(info.blockSize, 1264);
}

TEST(SUTInfo, SetupTimeFromTheLoggersDateTime) {
    testsupport::WithTimeZone(testsupport::kNewYork, [] {
        CSUTInfo info;
        const std::uint8_t july[] = {24, 7, 1, 12, 30, 15};  // 2024-07-01 12:30:15 EDT
        info.SetSetupTime(july);
        EXPECT_EQ(info.setupTime, 1719851415);
        const std::uint8_t badMonth[] = {24, 13, 1, 0, 0, 0};
        info.SetSetupTime(badMonth);
        EXPECT_EQ(info.setupTime, 0);
        info.SetSetupTime({});
        EXPECT_EQ(info.setupTime, 0);
    });
}

}  // namespace
