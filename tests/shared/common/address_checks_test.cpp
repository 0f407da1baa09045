// Checks and parsing of IPv4 and MAC addresses.
#include "shared/common/address_checks.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

namespace {

TEST(IsValidIPAddressTest, TakesFourDecimalPartsAndBoundsTheFirst) {
    struct Case {
        const char* text;
        int lowest, highest;
        bool valid;
    };
    const Case cases[] = {
        {"192.168.1.10", 1, 223, true},    {"  10.0.0.1\t", 1, 223, true},
        {"192.168.001.010", 1, 223, true}, {"0.0.0.0", 0, 255, true},
        {"255.255.255.255", 0, 255, true}, {"0.0.0.0", 1, 223, false},
        {"224.0.0.1", 1, 223, false},      {"256.1.1.1", 0, 255, false},
        {"1.1.1.256", 0, 255, false},      {"1.1.1", 0, 255, false},
        {"1..1.1", 0, 255, false},         {"1.1.1.1.5", 0, 255, false},  // a fifth part is no IPv4 address
        {"1.1.1.1.", 0, 255, false},       {"1.1.1.1a", 0, 255, false},
        {"1.1. 1.1", 0, 255, false},       {"0001.1.1.1", 0, 255, false},
        {"-1.1.1.1", 0, 255, false},       {"", 0, 255, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidIPAddress(c.text, c.lowest, c.highest), c.valid) << c.text;
    }
}

TEST(IsValidMACAddressTest, TakesSixHexGroups) {
    const std::pair<const char*, bool> cases[] = {
        {"00:06:66:AB:cd:Ef", true},   {"0:6:66:a:b:c", true},
        {"00:06:66:AB:CD", false},     {"00:06:66:AB:CD:EF:01", false},
        {"00:06:66:AB:CD:EG", false},  {"00-06-66-AB-CD-EF", false},
        {"00:06:66::CD:EF", false},    {"000:06:66:AB:CD:EF", false},
        {"00:06:66:AB:CD:EF:", false}, {"", false},
    };
    for (const auto& [text, valid] : cases) {
        EXPECT_EQ(IsValidMACAddress(text), valid) << text;
    }
}

TEST(ParseIPAddressTest, ReadsLeadingZerosAsDecimal) {
    EXPECT_EQ(ParseIPAddress("192.168.001.010"), ::inet_addr("192.168.1.10"));
    EXPECT_EQ(ParseIPAddress(" 010.000.000.001 "), ::inet_addr("10.0.0.1"));
    EXPECT_EQ(ParseIPAddress("127.0.0.1"), htonl(0x7F000001));
    EXPECT_EQ(ParseIPAddress("300.1.1.1"), INADDR_NONE);
    EXPECT_EQ(ParseIPAddress("not an address"), INADDR_NONE);
    EXPECT_EQ(ParseIPAddress(""), INADDR_NONE);
}

}  // namespace
