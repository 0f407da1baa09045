// The Wi-Fi windows' rules: shown values, enabling, pass-phrase lengths, ports and the scan reply.
#include "kivo32/tools/wifi_rules.h"

#include <gtest/gtest.h>

#include "kivo32/tools/wifi_ids.h"
#include "kivo32/tools/wifi_scan.h"

namespace {

TEST(WiFiRulesTest, UndeterminedValuesShowUsableDefaultsAndAnAddressIsCut) {
    const WiFiShownValues undetermined =
        ShownWiFiValues("<undetermined>", "<undetermined>", "<undetermined>", "<undetermined>");
    EXPECT_EQ(undetermined.address, "0.0.0.0");
    EXPECT_EQ(undetermined.port, "80");
    EXPECT_EQ(undetermined.mask, "255.255.255.0");
    EXPECT_EQ(undetermined.gateway, "0.0.0.0");
    for (const char* address : {"10.0.0.7,2000", "10.0.0.7:2000", "10.0.0.7"}) {
        EXPECT_EQ(ShownWiFiValues(address, "3001", "m", "g").address, "10.0.0.7") << address;
    }
}

TEST(WiFiRulesTest, EnablingFollowsModeAddressingAndModuleVersion) {
    struct Case {
        bool accessPoint, dhcp;
        const char* version;
        bool address, network, password;
        unsigned note;
    };
    for (const Case& c :
         {Case{false, false, "4.00", true, true, true, 0}, Case{false, true, "4.41", false, true, true, 0},
          Case{true, false, "4.41", false, false, true, 0},
          Case{true, true, "4.4", false, false, false, IDS_WIFI_OLD_MODULE_NOTE},
          Case{true, false, "", false, false, false, IDS_WIFI_OLD_MODULE_NOTE},
          Case{true, false, "10.0", false, false, true, 0}}) {
        const WiFiEnabling e = WiFiEnablingFor(c.accessPoint, c.dhcp, c.version);
        EXPECT_EQ(e.addressFields, c.address) << c.version;
        EXPECT_EQ(e.networkFields, c.network) << c.version;
        EXPECT_EQ(e.passwordButton, c.password) << c.version;
        EXPECT_EQ(e.versionNote, c.note) << c.version;
        EXPECT_EQ(e.ssidLabel, c.accessPoint ? 0u : IDS_WIFI_SSID_LABEL);
        EXPECT_EQ(e.passwordButtonText,
                  c.accessPoint ? IDS_WIFI_AP_PASSWORD_BUTTON : IDS_WIFI_NETWORK_PASSWORD_BUTTON);
    }
}

TEST(WiFiRulesTest, PassPhraseLengths) {
    struct Case {
        std::size_t length;
        int shortest, longest;
        bool emptyAllowed, accepted;
    };
    for (const Case& c :
         {Case{7, 8, 64, false, false}, Case{8, 8, 64, false, true}, Case{64, 8, 64, false, true},
          Case{65, 8, 64, false, false}, Case{0, 8, 64, false, false}, Case{0, 8, 64, true, true},
          Case{0, 0, 31, true, true}, Case{31, 0, 31, true, true}, Case{32, 0, 31, true, false}}) {
        EXPECT_EQ(IsAcceptablePassPhrase(std::string(c.length, 'k'), c.shortest, c.longest, c.emptyAllowed),
                  c.accepted)
            << c.length << " in " << c.shortest << "-" << c.longest;
    }
}

TEST(WiFiRulesTest, TcpPortsFromOneTo65535) {
    for (const auto& [text, valid] : std::vector<std::pair<const char*, bool>>{{"1", true},
                                                                               {"80", true},
                                                                               {" 3001 ", true},
                                                                               {"65535", true},
                                                                               {"0", false},
                                                                               {"65536", false},
                                                                               {"-80", false},
                                                                               {"", false},
                                                                               {"80a", false},
                                                                               {"99999999999", false}}) {
        EXPECT_EQ(IsValidTcpPort(text), valid) << text;
    }
}

TEST(WiFiScanTest, SignalIsAClampedPercentOfTheRssi) {
    for (const auto& [rssi, percent] : std::vector<std::pair<int, int>>{{-85, 0},
                                                                        {-96, 0},
                                                                        {-23, 73},
                                                                        {-48, 44},
                                                                        {0, 100},
                                                                        {12, 100},
                                                                        {-2000000000, 0},
                                                                        {2000000000, 100}}) {
        EXPECT_EQ(SignalPercent(rssi), percent) << rssi;
    }
}

TEST(WiFiScanTest, NetworksAreTheNumberedItemsAndACommaInANameSplitsNothing) {
    struct Case {
        const char* reply;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"State=Up,SSID=\"a,1=b\",1=6,-48,0,1,100,0,0,Open Workshop,2=11,-67,4,1,100,0,0,Plant Floor",
         {"Open Workshop", "Plant Floor"}},
        {"1=1,-72,2,1,100,0,0,Cafe, Bar and Grill,2=3,-96,9,1,100,0,0,Yard", {"Cafe, Bar and Grill", "Yard"}},
        {"1=1,-72,2,1,100,0,0,Line\r\n2=3,-50,9,1,100,0,0,Next\r\n", {"Line", "Next"}},
        {"0=1,-72,2,1,100,0,0,Zero,x1=1,-72,2,1,100,0,0,Lettered", {}},
        {"1=1,-72,2,too few", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names;
        for (const ScannedNetwork& network : ParseWiFiScan(c.reply)) {
            names.push_back(network.name);
        }
        EXPECT_EQ(names, c.names) << c.reply;
    }
}

TEST(WiFiScanTest, ChannelSignalAndSecurityOfANetwork) {
    const std::vector<ScannedNetwork> networks =
        ParseWiFiScan("1=6,-23,0,a,b,c,d,Open,2=11,-67,4,a,b,c,d,Locked,3=1,-96,9,a,b,c,d,Far");
    ASSERT_EQ(networks.size(), 3u);
    EXPECT_EQ(networks[0].channel, 6);
    EXPECT_EQ(networks[0].signal, 73);
    EXPECT_FALSE(networks[0].secured);
    EXPECT_TRUE(networks[1].secured);
    EXPECT_EQ(networks[2].signal, 0);
    EXPECT_FALSE(networks[2].secured);
}

}  // namespace
