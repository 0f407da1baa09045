// The discovery request, the reading of a logger's reply and the settings datagram, byte for byte.
#include "shared/link/discovery_datagrams.h"

#include <gtest/gtest.h>

#include <map>
#include <string_view>

namespace {

// A datagram of zeros with `bytes` put at their offsets.
DiscoveryDatagram Datagram(const std::map<std::size_t, std::vector<std::uint8_t>>& bytes) {
    DiscoveryDatagram datagram{};
    for (const auto& [offset, values] : bytes) {
        std::copy(values.begin(), values.end(), datagram.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    return datagram;
}

std::vector<std::uint8_t> Text(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(DiscoveryDatagramsTest, RequestCarriesItsNumberLittleEndianAndNothingElse) {
    EXPECT_EQ(BuildDiscoveryRequest(0), Datagram({}));
    EXPECT_EQ(BuildDiscoveryRequest(1023), Datagram({{0, {0xFF, 0x03}}}));
    EXPECT_EQ(BuildDiscoveryRequest(0x01020304), Datagram({{0, {0x04, 0x03, 0x02, 0x01}}}));
}

TEST(DiscoveryDatagramsTest, CounterRunsFromZeroToLastAndStartsAgain) {
    DiscoveryCounter counter;
    for (std::uint32_t expected = 0; expected <= DiscoveryCounter::kLast; ++expected) {
        ASSERT_EQ(counter.Next(), expected);
    }
    EXPECT_EQ(counter.Next(), 0u);
    EXPECT_EQ(counter.Next(), 1u);
}

TEST(DiscoveryDatagramsTest, ReplyFieldsAndDefaults) {
    const std::vector<std::uint8_t> mac{0x00, 0x1E, 0xC0, 0xAB, 0x0C, 0xFF};
    const std::vector<std::uint8_t> address{192, 168, 1, 42};
    struct Case {
        std::string_view text;
        DiscoveredLogger expected;
    };
    const auto logger = [](std::string serial, std::string port, std::string connections,
                           std::string device) {
        return DiscoveredLogger{serial, "192.168.1.42", "00:1E:C0:AB:0C:FF", port, connections, device};
    };
    const Case cases[] = {
        {"sn:1234;port:3002;dev:ESP", logger("1234", "3002", "NONE", "ESP")},
        {"sn:77;port:80;con:1 of 2;dev:ESP", logger("77", "80", "1 of 2", "ESP")},
        {"dev:ESP;con:BUSY", logger("", "3001", "BUSY", "ESP")},
        {"", logger("", "3001", "NONE", "")},
        // Unknown keys are passed over; a key without a colon ends the text.
        {"fw:2.1;sn:9;dev:ESP;junk", logger("9", "3001", "NONE", "ESP")},
        {"sn:9;dev", logger("9", "3001", "NONE", "")},
        // A value runs to the next semicolon; an empty one is taken as it is.
        {"port:;sn:5", logger("5", "", "NONE", "")},
        {"dev:WIFLY;sn:1", logger("1", "3001", "NONE", "WIFLY")},
    };
    for (const Case& c : cases) {
        const auto parsed =
            ParseDiscoveryReply(Datagram({{4, {1}}, {6, mac}, {12, address}, {36, Text(c.text)}}));
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_EQ(*parsed, c.expected) << c.text;
    }
}

TEST(DiscoveryDatagramsTest, ReplyTextFillingItsWholeFieldIsReadToTheEnd) {
    std::string text = "dev:ESP;sn:";
    text += std::string(92 - text.size(), '7');
    DiscoveryDatagram datagram = Datagram({{4, {1}}, {36, Text(text)}});
    const auto parsed = ParseDiscoveryReply(datagram);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->serial, std::string(92 - 11, '7'));
    EXPECT_EQ(parsed->address, "0.0.0.0");
    EXPECT_EQ(parsed->mac, "00:00:00:00:00:00");
}

TEST(DiscoveryDatagramsTest, RequestsAndShortDatagramsAreNoLoggers) {
    // The program's own request, which its broadcast brings back to it.
    EXPECT_FALSE(ParseDiscoveryReply(BuildDiscoveryRequest(5)));
    // A datagram too short to hold the kind byte reads it as zero.
    const std::uint8_t shortOne[] = {1, 0, 0, 0};
    EXPECT_FALSE(ParseDiscoveryReply(shortOne));
    // A short reply reads its missing bytes as zero.
    const std::uint8_t header[] = {0, 0, 0, 0, 3, 0, 0xAA};
    const auto parsed = ParseDiscoveryReply(header);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->mac, "AA:00:00:00:00:00");
    EXPECT_FALSE(IsListedDevice(*parsed));
}

TEST(DiscoveryDatagramsTest, OnlyEspDevicesAreListed) {
    for (const auto& [device, listed] :
         std::map<std::string, bool>{{"ESP", true}, {"esp", false}, {"ESP2", false}, {"", false}}) {
        DiscoveredLogger logger;
        logger.device = device;
        EXPECT_EQ(IsListedDevice(logger), listed) << device;
    }
}

TEST(DiscoveryDatagramsTest, TcpPortTexts) {
    for (const auto& [text, port] :
         std::vector<std::pair<std::string, std::optional<std::uint16_t>>>{{"1", 1},
                                                                           {"3001", 3001},
                                                                           {" 80 ", 80},
                                                                           {"65535", 65535},
                                                                           {"0", std::nullopt},
                                                                           {"65536", std::nullopt},
                                                                           {"-1", std::nullopt},
                                                                           {"30a", std::nullopt},
                                                                           {"", std::nullopt},
                                                                           {"99999999999", std::nullopt}}) {
        EXPECT_EQ(ParseTcpPort(text), port) << text;
    }
}

TEST(DiscoveryDatagramsTest, SettingsDatagramBytes) {
    const NetworkSettingsRequest request{"00:1e:C0:AB:c:FF", "10.0.0.7", "255.255.255.0", "10.0.0.1", "3002"};
    const auto datagram = BuildNetworkSettings(1023, request);
    ASSERT_TRUE(datagram);
    EXPECT_EQ(*datagram, Datagram({{0, {0xFF, 0x03, 0, 0}},
                                   {4, {2, 0}},
                                   {6, {0x00, 0x1E, 0xC0, 0xAB, 0x0C, 0xFF}},
                                   {12, {10, 0, 0, 7}},
                                   {16, {255, 255, 255, 0}},
                                   {20, {10, 0, 0, 1}},
                                   {24, {0xBA, 0x0B, 0, 0}}}));
}

TEST(DiscoveryDatagramsTest, SettingsForDhcpTakeEmptyMaskAndGatewayAsZero) {
    const auto datagram = BuildNetworkSettings(0, {"00:1E:C0:AB:0C:FF", "0.0.0.0", "", " ", "80"});
    ASSERT_TRUE(datagram);
    EXPECT_EQ(*datagram, Datagram({{4, {2}}, {6, {0x00, 0x1E, 0xC0, 0xAB, 0x0C, 0xFF}}, {24, {80}}}));
}

TEST(DiscoveryDatagramsTest, SettingsWithAFieldThatDoesNotParseAreNotBuilt) {
    const NetworkSettingsRequest good{"00:1E:C0:AB:0C:FF", "10.0.0.7", "255.255.255.0", "10.0.0.1", "3001"};
    ASSERT_TRUE(BuildNetworkSettings(0, good));
    struct Case {
        const char* why;
        NetworkSettingsRequest request;
    };
    const auto with = [&good](auto change) {
        NetworkSettingsRequest request = good;
        change(request);
        return request;
    };
    const Case cases[] = {
        {"MAC of five pairs", with([](auto& r) { r.mac = "00:1E:C0:AB:0C"; })},
        {"MAC not hex", with([](auto& r) { r.mac = "00:1E:C0:AB:0C:FG"; })},
        {"empty MAC", with([](auto& r) { r.mac = ""; })},
        {"address not dotted", with([](auto& r) { r.address = "logger.local"; })},
        {"address part above 255", with([](auto& r) { r.address = "10.0.0.256"; })},
        {"empty address", with([](auto& r) { r.address = ""; })},
        {"empty mask without DHCP", with([](auto& r) { r.mask = ""; })},
        {"empty gateway without DHCP", with([](auto& r) { r.gateway = ""; })},
        {"gateway of three parts", with([](auto& r) { r.gateway = "10.0.1"; })},
        {"port 0", with([](auto& r) { r.port = "0"; })},
        {"port above 65535", with([](auto& r) { r.port = "65536"; })},
        {"port not a number", with([](auto& r) { r.port = "30a1"; })},
        {"empty port", with([](auto& r) { r.port = ""; })},
        {"DHCP with a mask not dotted", with([](auto& r) {
             r.address = "0.0.0.0";
             r.mask = "x";
         })},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(BuildNetworkSettings(0, c.request)) << c.why;
    }
}

}  // namespace
