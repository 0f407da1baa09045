// teldrin's settings: defaults on a first start, the values written back and their order.
#include "teldrin/core/registry_values.h"

#include <gtest/gtest.h>

#include "platform/base/windows1252.h"
#include "shared/common/user_data_folder.h"
#include "tests/support/memory_profile_store.h"

namespace {

using testsupport::MemoryProfileStore;

TEST(TeldrinSettingsTest, FirstStartTakesTheDefaults) {
    const MemoryProfileStore empty;
    teldrin::CRegistryValues values;
    ASSERT_TRUE(values.Load(empty));
    const std::string userFolder = platform::PathToWindows1252(UserDataFolder());
    EXPECT_EQ(values.dataDir, userFolder + "/Data");
    EXPECT_EQ(values.loggerListDir, userFolder + "/Loggers");
    EXPECT_EQ(values.directBaud, 57600);
    EXPECT_EQ(values.modemBaud, 9600);
    EXPECT_EQ(values.modemTimeout, 30);
    EXPECT_EQ(values.modemDelay, 2);
    EXPECT_EQ(values.modemInit, "ATE0 L1 S7=120 S11=55 V1 X1 S0=0");
    EXPECT_EQ(values.modemDial, "ATDT");
    EXPECT_EQ(values.modemBad3, "NO CARRIER");
    EXPECT_EQ(values.modemLineName, "None");
    EXPECT_EQ(values.position, "");
    EXPECT_EQ(values.directDataBits, 8);
    EXPECT_EQ(values.directStopBits, 1);
}

TEST(TeldrinSettingsTest, SavesTheKeptValuesInTheirOrderAndLeavesTheOthers) {
    MemoryProfileStore store;
    store.values[{"Modem Connect", "ModemDial"}] = "ATDP";
    store.values[{"Modem Connect", "ModemLineName"}] = "Aucun";
    store.values[{"Direct Connect", "DirectPort"}] = "ttyS12";
    teldrin::CRegistryValues values;
    ASSERT_TRUE(values.Load(store));
    EXPECT_EQ(values.modemDial, "ATDP");
    EXPECT_EQ(values.modemLineName, "None");
    // A port that is not plugged in is kept as stored.
    EXPECT_EQ(values.directPort, "ttyS12");

    values.modemDial = "changed in memory";
    store.writes.clear();
    values.Save(store);
    using Key = MemoryProfileStore::Key;
    const std::vector<Key> expected{{"Window Startup State", "Position"},  {"Window Startup State", "Iconic"},
                                    {"Window Startup State", "Maximized"}, {"Teldrin Dirs", "DataDir"},
                                    {"Teldrin Dirs", "LoggerListDir"},     {"Direct Connect", "DirectPort"},
                                    {"Direct Connect", "DirectBaud"},      {"Modem Connect", "ModemTimeout"},
                                    {"Modem Connect", "ModemBaud"},        {"Modem Connect", "ModemInit"},
                                    {"Modem Connect", "ModemLineName"}};
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ((store.values[{"Modem Connect", "ModemDial"}]), "ATDP");
    EXPECT_EQ((store.values[{"Direct Connect", "DirectBaud"}]), "57600");
    EXPECT_EQ((store.values[{"Modem Connect", "ModemLineName"}]), "None");
}

TEST(TeldrinSettingsTest, ANumberThatHoldsNoneKeepsItsDefault) {
    MemoryProfileStore store;
    store.values[{"Direct Connect", "DirectBaud"}] = "fast";
    teldrin::CRegistryValues values;
    values.Load(store);
    EXPECT_EQ(values.directBaud, 57600);
}

}  // namespace
