// The settings file "KIVOAppInfo.ini": its text, a round trip with the known ports of the application
// context, the defaults on a first start, the reading rules, damaged lines and files, failed saves, and
// the recent-address list.
#include "kivo32/app/app_ini_info.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/resource_texts.h"
#include "shared/common/user_data_folder.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/whole_file.h"

namespace {

class AppIniInfoTest : public testing::Test {
protected:
    AppIniInfoTest() {
        SetProgramTexts(platform::EnglishTexts());
        std::filesystem::create_directories(UserDataFolder());
        std::filesystem::remove_all(Path());
    }
    ~AppIniInfoTest() override { std::filesystem::remove_all(Path()); }

    static std::filesystem::path Path() { return UserDataFolder() / "KIVOAppInfo.ini"; }

    // The file holding `lines`, loaded.
    CAppIniInfo LoadFrom(const std::string& lines, bool expectRead = true) {
        testsupport::WriteWholeFile(Path(), lines);
        CAppIniInfo info;
        EXPECT_EQ(info.LoadAppIniInfo(), expectRead);
        return info;
    }

    std::vector<std::string> BoxPrompts() const {
        std::vector<std::string> prompts;
        for (const auto& box : broker_.Boxes()) {
            prompts.push_back(box.texts.prompt);
        }
        return prompts;
    }

    testsupport::FakeAppContext context_;
    testsupport::ScriptedUiBroker broker_{IDOK};
};

TEST_F(AppIniInfoTest, FirstStartGivesTheDefaultsAndAFileOfThem) {
    context_.SetKnownPorts({",ttyUSB9"});
    CAppIniInfo info;
    EXPECT_TRUE(info.LoadAppIniInfo());
    EXPECT_EQ(info.FilePath(), Path());
    EXPECT_TRUE(context_.GetKnownPorts().empty());
    EXPECT_TRUE(broker_.Boxes().empty());

    ASSERT_TRUE(info.SaveAppIniInfo());
    EXPECT_EQ(testsupport::ReadWholeFile(Path()),
              "# KIVO Initialization Information -\n"
              "ManualDialPhoneNumber: \n"
              "CreateAsciiFileOnDownload: No\n"
              "NetworkConnectAddress: \n"
              "NetworkPortNumber: \n"
              "PreviousLoggerListName: \n"
              "DefaultSUTLineFreq: 60\n"
              "AutoRangeEnabled: 1\n"
              "MinimumRTGraphYAxisVal: 0.000000\n"
              "MaximumRTGraphYAxisVal: 0.000000\n"
              "MinimumRTGraphXAxisVal: 0.000000\n"
              "MaximumRTGraphXAxisVal: 60.000000\n"
              "PEGraphicsExportType: 2\n"
              "PEGraphicsExportSize: 3\n"
              "PEGraphicsExportDest: 0\n"
              "PEGraphicsExportWidth: 1000\n"
              "PEGraphicsExportHeight: 462\n"
              "ShowLegacyFeatures: 0\n"
              "HiddenDialogFlags: 0000\n");
}

TEST_F(AppIniInfoTest, SavedValuesAndKnownPortsReadBackAsTheyWere) {
    CAppIniInfo saved;
    ASSERT_TRUE(saved.LoadAppIniInfo());
    saved.hiddenDialogFlags = CAppIniInfo::kHideClockQuestion | 0xA0;
    saved.manualDialPhoneNumber = "0033 1 23 45";
    saved.createAsciiFileOnDownload = true;
    saved.networkConnectAddress = "127.0.0.1";
    saved.networkPortNumber = "10001";
    saved.previousLoggerListName = "Sous-station \xe9t\xe9.kll";
    saved.defaultSUTLineFreq = "Auto";
    saved.autoRangeEnabled = 0;
    saved.minimumRTGraphYAxisVal = -12.75;
    saved.maximumRTGraphYAxisVal = 480.5;
    saved.maximumRTGraphXAxisVal = 120;
    saved.peGraphicsExportWidth = "1280";
    saved.showLegacyFeatures = 1;
    saved.recentNetAddresses = {"127.0.0.1:10001", "", "::1:23"};
    context_.SetKnownPorts({",ttyUSB0", "X,ttyS0", ",ttyACM1"});
    ASSERT_TRUE(saved.SaveAppIniInfo());
    const std::string text = testsupport::ReadWholeFile(Path());
    EXPECT_NE(text.find("\nHiddenDialogFlags: 00A1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nMinimumRTGraphYAxisVal: -12.750000\n"), std::string::npos) << text;
    EXPECT_NE(
        text.find("\nNetAddress1: \nNetAddress2: ::1:23\nCOMPortItem0: ,ttyUSB0\nCOMPortItem1: X,ttyS0\n"),
        std::string::npos)
        << text;

    context_.SetKnownPorts({});
    CAppIniInfo loaded;
    ASSERT_TRUE(loaded.LoadAppIniInfo());
    EXPECT_EQ(loaded.hiddenDialogFlags, saved.hiddenDialogFlags);
    EXPECT_EQ(loaded.manualDialPhoneNumber, saved.manualDialPhoneNumber);
    EXPECT_TRUE(loaded.createAsciiFileOnDownload);
    EXPECT_EQ(loaded.networkConnectAddress, saved.networkConnectAddress);
    EXPECT_EQ(loaded.networkPortNumber, saved.networkPortNumber);
    EXPECT_EQ(loaded.previousLoggerListName, saved.previousLoggerListName);
    EXPECT_EQ(loaded.defaultSUTLineFreq, "Auto");
    EXPECT_EQ(loaded.autoRangeEnabled, 0);
    EXPECT_EQ(loaded.minimumRTGraphYAxisVal, -12.75);
    EXPECT_EQ(loaded.maximumRTGraphYAxisVal, 480.5);
    EXPECT_EQ(loaded.maximumRTGraphXAxisVal, 120);
    EXPECT_EQ(loaded.peGraphicsExportWidth, "1280");
    EXPECT_EQ(loaded.showLegacyFeatures, 1);
    EXPECT_EQ(loaded.recentNetAddresses, saved.recentNetAddresses);
    EXPECT_EQ(context_.GetKnownPorts(), (std::vector<std::string>{",ttyUSB0", "X,ttyS0", ",ttyACM1"}));
}

TEST_F(AppIniInfoTest, LinesAreReadByTheirRules) {
    const CAppIniInfo info = LoadFrom(
        "# KIVO Initialization Information -\r\n"
        "CreateAsciiFileOnDownload: yes\r\n"
        "DefaultSUTLineFreq: \r\n"
        "PreviousLoggerListName: AutoRangeEnabled: 0\r\n"
        "MaximumRTGraphXAxisVal: 12.75\r\n"
        "HiddenDialogFlags: 0001\r\n"
        "Comment: not one of ours\r\n"
        "NetAddress3:    10.0.0.7:23\r\n"
        "COMPortItem1: X,ttyS1\r\n"
        "ManualDialPhoneNumber: 555 0100\r\n");
    EXPECT_FALSE(info.createAsciiFileOnDownload);
    EXPECT_EQ(info.defaultSUTLineFreq, "60");
    EXPECT_EQ(info.previousLoggerListName, "AutoRangeEnabled: 0");
    EXPECT_EQ(info.autoRangeEnabled, 1);
    EXPECT_EQ(info.maximumRTGraphXAxisVal, 12.75);
    EXPECT_TRUE(info.hiddenDialogFlags & CAppIniInfo::kHideClockQuestion);
    EXPECT_EQ(info.recentNetAddresses, (std::vector<std::string>{"", "", "", "10.0.0.7:23"}));
    EXPECT_EQ(context_.GetKnownPorts(), (std::vector<std::string>{"", "X,ttyS1"}));
    EXPECT_EQ(info.manualDialPhoneNumber, "555 0100");
    EXPECT_TRUE(broker_.Boxes().empty());
}

TEST_F(AppIniInfoTest, ALastLineWithoutItsEndIsReadWhole) {
    // A file edited by hand often lacks the last line feed; each kind of line is read all the same.
    const struct {
        const char* lastLine;
        std::function<bool(const CAppIniInfo&)> taken;
    } cases[] = {
        {"ManualDialPhoneNumber: 555 0100",
         [](const auto& i) { return i.manualDialPhoneNumber == "555 0100"; }},
        {"MaximumRTGraphXAxisVal: 120.5", [](const auto& i) { return i.maximumRTGraphXAxisVal == 120.5; }},
        {"HiddenDialogFlags: 0001", [](const auto& i) { return i.hiddenDialogFlags == 1u; }},
        {"NetAddress0: 10.0.0.7:23",
         [](const auto& i) { return i.recentNetAddresses == std::vector<std::string>{"10.0.0.7:23"}; }},
        {"ShowLegacyFeatures: 1\r", [](const auto& i) { return i.showLegacyFeatures == 1; }},
    };
    for (const auto& test : cases) {
        const CAppIniInfo info =
            LoadFrom(std::string("# KIVO Initialization Information -\n") + test.lastLine);
        EXPECT_TRUE(test.taken(info)) << test.lastLine;
    }
    EXPECT_TRUE(broker_.Boxes().empty());
}

TEST_F(AppIniInfoTest, DamagedLinesKeepTheirDefaultsAndAreShownWhileTheOthersLoad) {
    const CAppIniInfo info = LoadFrom(
        "# KIVO Initialization Information -\n"
        "ManualDialPhoneNumber: 555 0100\n"
        "AutoRangeEnabled: on\n"
        "MaximumRTGraphXAxisVal: 6O.000000\n"
        "ShowLegacyFeatures: 1\n"
        "HiddenDialogFlags: 00G1\n"
        "NetAddress10: 10.0.0.1:23\n"
        "NetAddress0: 10.0.0.2:23\n"
        "COMPortItemX: ,ttyS0\n"
        "COMPortItem0: ,ttyUSB0\n"
        "MinimumRTGraphYAxisVal: \n",
        false);
    EXPECT_EQ(info.manualDialPhoneNumber, "555 0100");
    EXPECT_EQ(info.showLegacyFeatures, 1);
    EXPECT_EQ(info.autoRangeEnabled, 1);
    EXPECT_EQ(info.maximumRTGraphXAxisVal, 60.0);
    EXPECT_EQ(info.minimumRTGraphYAxisVal, 0.0);
    EXPECT_EQ(info.maximumRTGraphYAxisVal, 0.0);
    EXPECT_EQ(info.hiddenDialogFlags, 0u);
    EXPECT_EQ(info.recentNetAddresses, (std::vector<std::string>{"10.0.0.2:23"}));
    EXPECT_EQ(context_.GetKnownPorts(), (std::vector<std::string>{",ttyUSB0"}));

    ASSERT_EQ(BoxPrompts().size(), 1u);
    const std::string prompt = BoxPrompts()[0];
    EXPECT_NE(prompt.find(Path().string()), std::string::npos) << prompt;
    for (const char* line :
         {"AutoRangeEnabled: on\n", "MaximumRTGraphXAxisVal: 6O.000000\n", "HiddenDialogFlags: 00G1\n",
          "NetAddress10: 10.0.0.1:23\n", "COMPortItemX: ,ttyS0\n", "MinimumRTGraphYAxisVal: \n"}) {
        EXPECT_NE(prompt.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(prompt.find("ShowLegacyFeatures"), std::string::npos) << prompt;
}

TEST_F(AppIniInfoTest, AFileThatCannotBeReadGivesTheDefaultsAndSaysSo) {
    std::filesystem::create_directory(Path());
    context_.SetKnownPorts({",ttyUSB0"});
    CAppIniInfo info;
    info.manualDialPhoneNumber = "stale";

    EXPECT_FALSE(info.LoadAppIniInfo());

    EXPECT_EQ(info.manualDialPhoneNumber, "");
    EXPECT_EQ(info.maximumRTGraphXAxisVal, 60.0);
    EXPECT_TRUE(context_.GetKnownPorts().empty());
    ASSERT_EQ(BoxPrompts().size(), 1u);
    EXPECT_EQ(BoxPrompts()[0], "The settings file " + Path().string() +
                                   " could not be opened. The program uses its default settings.");
}

TEST_F(AppIniInfoTest, AFailedSaveIsReportedAndKeepsWhatWasThere) {
    CAppIniInfo neverLoaded;
    EXPECT_FALSE(neverLoaded.SaveAppIniInfo());

    CAppIniInfo info;
    ASSERT_TRUE(info.LoadAppIniInfo());
    std::filesystem::create_directory(Path());
    testsupport::WriteWholeFile(Path() / "kept", "x");
    EXPECT_FALSE(info.SaveAppIniInfo());

    EXPECT_TRUE(std::filesystem::is_directory(Path()));
    EXPECT_EQ(testsupport::ReadWholeFile(Path() / "kept"), "x");
    ASSERT_EQ(BoxPrompts().size(), 2u);
    EXPECT_EQ(BoxPrompts()[0], "SaveAppIniInfo() Error: m_strAppIniFileName.GetLength() == 0");
    EXPECT_EQ(BoxPrompts()[1],
              "The settings file " + Path().string() + " could not be written. The previous file is kept.");
    for (const auto& entry : std::filesystem::directory_iterator(UserDataFolder())) {
        EXPECT_NE(entry.path().extension(), ".tmp") << "a temporary file stayed";
    }
}

TEST_F(AppIniInfoTest, OnlyTenListEntriesAreWritten) {
    CAppIniInfo info;
    ASSERT_TRUE(info.LoadAppIniInfo());
    std::vector<std::string> ports;
    for (int i = 0; i < 12; ++i) {
        ports.push_back(",ttyUSB" + std::to_string(i));
    }
    context_.SetKnownPorts(ports);
    ASSERT_TRUE(info.SaveAppIniInfo());
    const std::string text = testsupport::ReadWholeFile(Path());
    EXPECT_NE(text.find("COMPortItem9: ,ttyUSB9\n"), std::string::npos);
    EXPECT_EQ(text.find("COMPortItem10"), std::string::npos);
}

TEST_F(AppIniInfoTest, RecentAddressesKeepTheNewestFirstWithoutRepeats) {
    struct Case {
        const char* name;
        std::vector<std::string> before;
        std::vector<std::string> after;
    };
    std::vector<std::string> ten;
    for (int i = 0; i < 10; ++i) {
        ten.push_back("10.0.0." + std::to_string(i) + ":23");
    }
    std::vector<std::string> tenAfter{"127.0.0.1:23"};
    tenAfter.insert(tenAfter.end(), ten.begin(), ten.end() - 1);
    const std::vector<Case> cases{
        {"empty", {}, {"127.0.0.1:23"}},
        {"already first", {"127.0.0.1:23", "10.0.0.1:23"}, {"127.0.0.1:23", "10.0.0.1:23"}},
        {"further down",
         {"10.0.0.1:23", "127.0.0.1:23", "10.0.0.2:23"},
         {"127.0.0.1:23", "10.0.0.1:23", "10.0.0.2:23"}},
        {"eleventh drops the oldest", ten, tenAfter},
    };
    for (const Case& c : cases) {
        CAppIniInfo info;
        info.recentNetAddresses = c.before;
        info.AddRecentNetAddress("127.0.0.1", "23");
        EXPECT_EQ(info.recentNetAddresses, c.after) << c.name;
    }
}

}  // namespace
