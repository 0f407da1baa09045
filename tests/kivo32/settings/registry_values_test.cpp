// The registry settings: defaults on a first start, the kept values written in their order and the
// read-only ones never, a round trip, and values that hold no number.
#include "kivo32/settings/registry_values.h"

#include <gtest/gtest.h>

#include "kivo32/settings/settings_ids.h"
#include "kivo32/update/version_check.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/windows1252.h"
#include "shared/common/user_data_folder.h"
#include "tests/support/memory_profile_store.h"
#include "tests/support/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"

namespace {

using Key = testsupport::MemoryProfileStore::Key;

class RegistryValuesTest : public testing::Test {
protected:
    RegistryValuesTest() { SetProgramTexts(testsupport::LoadResourceTexts("en", "app")); }
    ~RegistryValuesTest() override { SetProgramTexts({}); }

    testsupport::ScriptedUiBroker broker_{IDOK};
    testsupport::MemoryProfileStore store_;
};

TEST_F(RegistryValuesTest, FirstStartGivesTheDefaultsAndWritesNothing) {
    CRegistryValues values;
    EXPECT_TRUE(values.Load(store_));

    const std::string folder = platform::Utf8ToWindows1252(UserDataFolder().string());
    EXPECT_EQ(values.position, "");
    EXPECT_EQ(values.dataDir, folder + "/Data");
    EXPECT_EQ(values.calibrationDir, folder);
    EXPECT_EQ(values.setupTableDir, folder + "/Setups");
    EXPECT_EQ(values.loggerListDir, folder + "/Loggers");
    EXPECT_EQ(values.directPort, "ttyUSB0");
    EXPECT_EQ(values.directBaud, 57600);
    EXPECT_EQ(values.directDataBits, 8);
    EXPECT_EQ(values.directStopBits, 1);
    EXPECT_EQ(values.modemPort, "ttyS0");
    EXPECT_EQ(values.modemBaud, 14400);
    EXPECT_EQ(values.modemTimeout, 30);
    EXPECT_EQ(values.modemDelay, 2);
    EXPECT_EQ(values.modemInit, "ATE0 L1 S7=120 S11=55 V1 X1 S0=0");
    EXPECT_EQ(values.modemDial, "ATDT");
    EXPECT_EQ(values.modemSuffix, "!");
    EXPECT_EQ(values.modemBad3, "NO CARRIER");
    EXPECT_EQ(values.modemLineName, "None");
    EXPECT_EQ(values.rtUpdateThreshold, 5);
    EXPECT_EQ(values.updateEnabled, "1");
    EXPECT_EQ(values.updateDays, "7");
    EXPECT_EQ(values.updateURL, CRegistryValues::BuiltInUpdateUrl());
    EXPECT_TRUE(store_.writes.empty());
    EXPECT_TRUE(broker_.Boxes().empty());
}

TEST_F(RegistryValuesTest, SaveWritesTheKeptValuesInOrderAndLeavesTheReadOnlyOnesAsEdited) {
    store_.values[{"Direct Connect", "DirectParity"}] = "2";
    store_.values[{"Modem Connect", "ModemDial"}] = "ATDP";
    store_.values[{"Modem Connect", "ModemBad3"}] = "NOCARRIER";
    CRegistryValues values;
    ASSERT_TRUE(values.Load(store_));
    EXPECT_EQ(values.directParity, 2);
    EXPECT_EQ(values.modemDial, "ATDP");
    values.directParity = 0;
    values.modemDial = "ATDT";

    values.Save(store_);

    const std::vector<Key> expected{{"Window Startup State", "Position"},
                                    {"Window Startup State", "Iconic"},
                                    {"Window Startup State", "Maximized"},
                                    {"KIVO Dirs", "DataDir"},
                                    {"KIVO Dirs", "SetupTableDir"},
                                    {"KIVO Dirs", "LoggerListDir"},
                                    {"Direct Connect", "DirectPort"},
                                    {"Direct Connect", "DirectBaud"},
                                    {"Modem Connect", "ModemPort"},
                                    {"Modem Connect", "ModemTimeout"},
                                    {"Modem Connect", "ModemBaud"},
                                    {"Modem Connect", "ModemInit"},
                                    {"Modem Connect", "ModemLineName"},
                                    {"KIVO Misc", "SUTType"},
                                    {"KIVO Misc", "RTUpdateThreshold"},
                                    {"KIVO Misc", "PartialDownloads"},
                                    {"KIVO Misc", "PerCentOrRMS"},
                                    {"KIVO Misc", "FirmwareFile"},
                                    {"KIVO Misc", "CalibrationDir"},
                                    {"KIVO Misc", "UpdateEnabled"},
                                    {"KIVO Misc", "UpdateDays"},
                                    {"KIVO Misc", "UpdateNext"},
                                    {"KIVO Misc", "UpdateURL"},
                                    {"KIVO Misc", "UpdateLatestKIVO"},
                                    {"KIVO Misc", "UpdateLatestLoggerVersion"}};
    EXPECT_EQ(store_.writes, expected);
    EXPECT_EQ((store_.values[{"Direct Connect", "DirectParity"}]), "2");
    EXPECT_EQ((store_.values[{"Modem Connect", "ModemDial"}]), "ATDP");
    EXPECT_EQ((store_.values[{"Modem Connect", "ModemBad3"}]), "NOCARRIER");
}

TEST_F(RegistryValuesTest, SavedValuesReadBackAsTheyWere) {
    CRegistryValues saved;
    ASSERT_TRUE(saved.Load(store_));
    saved.position = "-008 -008 1928 1048";
    saved.iconic = 1;
    saved.maximized = 1;
    saved.dataDir =
        "/home/r\xe9gis/Donn\xe9"
        "es";
    saved.directPort = "ttyUSB0";
    saved.directBaud = 115200;
    saved.modemTimeout = -1;
    saved.modemInit = "AT&F";
    saved.sutType = 14;
    saved.partialDownloads = 1;
    saved.firmwareFile = "fw 3.10.bin";
    saved.calibrationDir = "/srv/production/calibration";
    saved.updateEnabled = "0";
    saved.updateNext = "2027-01-31";
    saved.updateLatestKIVO = "15.2";
    saved.Save(store_);

    CRegistryValues loaded;
    ASSERT_TRUE(loaded.Load(store_));
    EXPECT_EQ(loaded.position, saved.position);
    EXPECT_EQ(loaded.iconic, 1);
    EXPECT_EQ(loaded.maximized, 1);
    EXPECT_EQ(loaded.dataDir, saved.dataDir);
    EXPECT_EQ(loaded.directPort, "ttyUSB0");
    EXPECT_EQ(loaded.directBaud, 115200);
    EXPECT_EQ(loaded.modemTimeout, -1);
    EXPECT_EQ(loaded.modemInit, "AT&F");
    EXPECT_EQ(loaded.sutType, 14);
    EXPECT_EQ(loaded.partialDownloads, 1);
    EXPECT_EQ(loaded.firmwareFile, "fw 3.10.bin");
    EXPECT_EQ(loaded.calibrationDir, saved.calibrationDir);
    EXPECT_EQ(loaded.updateEnabled, "0");
    EXPECT_EQ(loaded.updateNext, "2027-01-31");
    EXPECT_EQ(loaded.updateLatestKIVO, "15.2");
}

TEST_F(RegistryValuesTest, AValueWithoutANumberKeepsItsDefaultAndIsNamedToTheUser) {
    store_.values[{"Direct Connect", "DirectBaud"}] = "fast";
    store_.values[{"Window Startup State", "Iconic"}] = "1x";
    store_.values[{"Modem Connect", "ModemBaud"}] = "99999999999";
    store_.values[{"Modem Connect", "ModemPort"}] = "ttyUSB1";
    store_.values[{"KIVO Misc", "SUTType"}] = " 14 ";

    CRegistryValues values;
    EXPECT_FALSE(values.Load(store_));

    EXPECT_EQ(values.directBaud, 57600);
    EXPECT_EQ(values.iconic, 0);
    EXPECT_EQ(values.modemBaud, 14400);
    EXPECT_EQ(values.modemPort, "ttyUSB1");
    EXPECT_EQ(values.sutType, 14);
    ASSERT_EQ(broker_.Boxes().size(), 1u);
    const std::string prompt = broker_.Boxes()[0].texts.prompt;
    EXPECT_NE(prompt.find("Direct Connect/DirectBaud"), std::string::npos) << prompt;
    EXPECT_NE(prompt.find("Window Startup State/Iconic"), std::string::npos) << prompt;
    EXPECT_NE(prompt.find("Modem Connect/ModemBaud"), std::string::npos) << prompt;
    EXPECT_EQ(prompt.find("SUTType"), std::string::npos) << prompt;
}

TEST_F(RegistryValuesTest, AStoreReadInPartKeepsWhatWasReadAndSaysSo) {
    store_.values[{"Direct Connect", "DirectPort"}] = "ttyUSB0";
    store_.whole = false;

    CRegistryValues values;
    EXPECT_FALSE(values.Load(store_));

    EXPECT_EQ(values.directPort, "ttyUSB0");
    EXPECT_EQ(values.modemPort, "ttyS0");
    ASSERT_EQ(broker_.Boxes().size(), 1u);
    EXPECT_TRUE(broker_.Boxes()[0].byId);
    EXPECT_EQ(broker_.Boxes()[0].ids.promptId, IDS_SETTINGS_NOT_READ_WHOLE);
}

TEST_F(RegistryValuesTest, TheUpdateCheckTakesItsScheduleAndGivesBackWhatItMovedOn) {
    struct Case {
        const char* updateEnabled;
        bool enabled;
    };
    for (const Case& c : {Case{"0", false}, Case{"1", true}, Case{"2", true}, Case{"0 (off)", false}}) {
        store_.values[{"KIVO Misc", "UpdateEnabled"}] = c.updateEnabled;
        CRegistryValues values;
        ASSERT_TRUE(values.Load(store_));
        CVersionCheck check;
        values.HandToVersionCheck(check);
        EXPECT_EQ(check.GetSchedule().enabled, c.enabled) << c.updateEnabled;
    }

    store_.values[{"KIVO Misc", "UpdateEnabled"}] = "1";
    store_.values[{"KIVO Misc", "UpdateNext"}] = "2026/01/01 00:00:00";
    store_.values[{"KIVO Misc", "UpdateURL"}] = "http://127.0.0.1:1/AppVer.html";
    CRegistryValues values;
    ASSERT_TRUE(values.Load(store_));
    CVersionCheck check;
    values.HandToVersionCheck(check);
    EXPECT_EQ(check.GetSchedule().pageAddress, "http://127.0.0.1:1/AppVer.html");
    check.SetClock([] { return std::time_t{1772366400}; });
    check.SetNextCheckDate();
    values.TakeFromVersionCheck(check);
    values.Save(store_);
    EXPECT_EQ((store_.values[{"KIVO Misc", "UpdateNext"}]), "2026/03/08 12:00:00");
    EXPECT_EQ((store_.values[{"KIVO Misc", "UpdateEnabled"}]), "1");
    EXPECT_EQ((store_.values[{"KIVO Misc", "UpdateURL"}]), "http://127.0.0.1:1/AppVer.html");
}

}  // namespace
