// The wired network field form both ways, and the named items of the Quarven's network and Wi-Fi
// replies.
#include <gtest/gtest.h>

#include "shared/logger/network_field.h"
#include "shared/logger/network_settings.h"
#include "shared/logger/wifi_settings.h"

namespace {

TEST(NetworkFieldTest, FieldsOfTheDialogsValues) {
    struct Case {
        int kind;
        const char* text;
        const char* field;
    };
    const Case cases[] = {
        {kNetworkAddress, "192.168.1.10", "C0A8010A"},
        {kNetworkMask, "255.255.255.0", "FFFFFF00"},
        {kNetworkGateway, "10.0.0.1", "0A000001"},
        {kNetworkPort, "777", "0309"},
        {kNetworkPort, "3001", "0BB9"},
        {kNetworkMac, "0:a:95:9d:68:16", "000A959D6816"},  // short groups padded, letters in capitals
        {kNetworkMac, "00:0A:95:9D:68:16", "000A959D6816"},
        {kNetworkMac, "1::3:4:5:6", "010003040506"},  // an empty group is "00"
        {0, "192.168.1.10", ""},
        {6, "192.168.1.10", ""},
        // Texts the dialog would not pass stay within the field and within the text.
        {kNetworkAddress, "192.168", "C0A80000"},
        {kNetworkAddress, "1234.5.6.7", "7B000506"},    // three digits at most, then one character skipped
        {kNetworkAddress, "999.-1.256.1", "E7FF0001"},  // each number one byte
        {kNetworkPort, "99999999999999999999", "FFFF"},
        {kNetworkMac, "abc", "AB0000000000"},
        {kNetworkMac, "", "000000000000"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::to_string(test.kind) + " " + test.text);
        EXPECT_EQ(FormatNetworkField(test.kind, test.text), test.field);
    }
}

TEST(NetworkFieldTest, SettingTextsOfTheLoggersFields) {
    struct Case {
        int kind;
        const char* field;
        const char* text;
    };
    const Case cases[] = {
        {kNetworkAddress, "C0A8010A", "192.168.1.10"},
        {kNetworkMask, "FFFFFF00\r", "255.255.255.0"},  // the line's CR dropped
        {kNetworkPort, "0309", "777"},
        {kNetworkMac, "000a959d6816", "00:0A:95:9D:68:16"},
        {kNetworkAddress, "C0A8", "192.168.0.0"},
        {kNetworkMac, "0A95", "0A:95::::"},
        {7, "C0A8010A", ""},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.field);
        EXPECT_EQ(FormatSettingText(test.kind, test.field), test.text);
    }
}

TEST(NetworkFieldTest, NamedItemsOnOneLineOrSeveral) {
    NetworkSettings network;
    ApplyNetworkReply(
        "IP_Address=10.1.2.3\r\nMask=255.255.0.0\r\nTCP_Port=3001,Gateway=10.1.0.1\r\n"
        "MAC=00:0A:95:9D:68:16\r\nUse_DHCP=True\r\nSerial=1\r\n",
        network);
    EXPECT_EQ(network.address, "10.1.2.3");
    EXPECT_EQ(network.mask, "255.255.0.0");
    EXPECT_EQ(network.port, "3001");
    EXPECT_EQ(network.gateway, "10.1.0.1");
    EXPECT_EQ(network.mac, "00:0A:95:9D:68:16");
    EXPECT_TRUE(network.dhcp);

    WiFiSettings wifi;
    ApplyWiFiReply(
        "SSID=\"North, east\"\r\nModule_FW=WiFly Ver 4.00.1\r\nAntenna=EXTERNAL\r\n"
        "Access_Point=True,Use_DHCP=False\r\nWiFi_Password_Length=12\r\n",
        wifi);
    EXPECT_EQ(wifi.ssid, "North, east");
    EXPECT_EQ(wifi.moduleFirmware, "WiFly Ver 4.00.1");
    EXPECT_EQ(wifi.moduleVersion, "4.00.1");
    EXPECT_TRUE(wifi.externalAntenna);
    EXPECT_TRUE(wifi.accessPoint);
    EXPECT_FALSE(wifi.dhcp);
    EXPECT_EQ(wifi.passwordLength, 12);
    EXPECT_EQ(wifi.port, "3001");  // not in the reply: the default stays
    EXPECT_EQ(wifi.password, WiFiSettings::kUnchanged);
}

}  // namespace
