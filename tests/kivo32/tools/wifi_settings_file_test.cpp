// "WiFi.ini": its bytes, how its lines read back, and its save and load on disk.
#include "kivo32/tools/wifi_settings_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "shared/common/text_helpers.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

WiFiSettings Sample() {
    WiFiSettings settings;
    settings.ssid = "Plant Floor";
    settings.address = "10.0.0.7";
    settings.port = "3001";
    settings.mask = "255.255.255.0";
    settings.gateway = "10.0.0.1";
    settings.dhcp = false;
    settings.accessPoint = false;
    settings.externalAntenna = true;
    settings.password = "door-key-42";
    return settings;
}

TEST(WiFiSettingsFileTest, WritesTheLinesInOrderWithTheScrambledPassPhrase) {
    const WiFiSettings settings = Sample();
    const std::string expected =
        "[WiFi Settings]\r\nSSID=Plant Floor\r\nAccess Point=FALSE\r\nUse DHCP=FALSE\r\n"
        "IP Address=10.0.0.7\r\nTCP Port=3001\r\nMask=255.255.255.0\r\nGateway=10.0.0.1\r\n"
        "Antenna=EXTERNAL\r\nPassword=" +
        ScrambleText("door-key-42", 0x57694669) + "\r\n";
    EXPECT_EQ(WiFiSettingsFileText(settings), expected);
    // The scrambled copy goes to the file; the value the session sends stays plain.
    EXPECT_EQ(settings.password, "door-key-42");
    EXPECT_EQ(WiFiSettingsFileText(settings).find("door-key-42"), std::string::npos);
}

TEST(WiFiSettingsFileTest, ReadsKeysExactlyAndChoicesIgnoringCase) {
    struct Case {
        const char* line;
        std::function<bool(const WiFiSettings&)> holds;
    };
    const Case cases[] = {
        {"Use DHCP=true", [](const WiFiSettings& s) { return s.dhcp; }},
        {"Use DHCP=yes", [](const WiFiSettings& s) { return !s.dhcp; }},
        {"Access Point= True ", [](const WiFiSettings& s) { return s.accessPoint; }},
        {"Antenna=external", [](const WiFiSettings& s) { return s.externalAntenna; }},
        {"Antenna=INTERNAL", [](const WiFiSettings& s) { return !s.externalAntenna; }},
        {"ssid=Other", [](const WiFiSettings& s) { return s.ssid == "Plant Floor"; }},
        {"  SSID  =  Yard Net  ", [](const WiFiSettings& s) { return s.ssid == "Yard Net"; }},
        {"IP Address=10.1.1.1=x", [](const WiFiSettings& s) { return s.address == "10.1.1.1=x"; }},
        {"[WiFi Settings]", [](const WiFiSettings& s) { return s.ssid == "Plant Floor"; }},
        {"TCP Port=80", [](const WiFiSettings& s) { return s.port == "80"; }},
    };
    for (const Case& c : cases) {
        WiFiSettings settings = Sample();
        ReadWiFiSettingsFileText(std::string(c.line) + "\r\n", settings);
        EXPECT_TRUE(c.holds(settings)) << c.line;
    }
}

TEST(WiFiSettingsFileTest, PassPhrasesComeBackAsWrittenAndAnUntouchedOneStaysUnchanged) {
    // Scrambled, some of these have a blank at an end: the value is taken untrimmed.
    for (const std::string& password : {std::string(WiFiSettings::kUnchanged), std::string("door-key-42"),
                                        std::string("  spaced  "), std::string(64, '~')}) {
        WiFiSettings written = Sample();
        written.password = password;
        WiFiSettings read;
        ReadWiFiSettingsFileText(WiFiSettingsFileText(written), read);
        EXPECT_EQ(read.password, password);
        EXPECT_EQ(read.ssid, "Plant Floor");
        EXPECT_TRUE(read.externalAntenna);
    }
}

TEST(WiFiSettingsFileTest, SavesOverAnOldFileAndLoadsBack) {
    testsupport::TempFolder folder;
    const std::filesystem::path path = folder / "WiFi.ini";
    WiFiSettings first = Sample();
    ASSERT_TRUE(SaveWiFiSettingsFile(path, first));
    first.ssid = "Second";
    first.accessPoint = true;
    ASSERT_TRUE(SaveWiFiSettingsFile(path, first));
    EXPECT_EQ(testsupport::ReadWholeFile(path), WiFiSettingsFileText(first));

    WiFiSettings loaded;
    ASSERT_TRUE(LoadWiFiSettingsFile(path, loaded));
    EXPECT_EQ(loaded.ssid, "Second");
    EXPECT_TRUE(loaded.accessPoint);
    EXPECT_EQ(loaded.password, "door-key-42");

    WiFiSettings untouched = Sample();
    EXPECT_FALSE(LoadWiFiSettingsFile(folder / "missing.ini", untouched));
    EXPECT_EQ(untouched.ssid, "Plant Floor");
    EXPECT_FALSE(SaveWiFiSettingsFile(folder / "no-folder" / "WiFi.ini", Sample()));
}

}  // namespace
