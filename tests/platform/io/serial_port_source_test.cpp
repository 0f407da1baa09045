// The order of port names.
#include "platform/io/serial_port_source.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(SerialPortSourceTest, PortNamesSortByLettersThenNumber) {
    std::vector<std::string> names = {"ttyUSB0", "ttyS10",   "ttyS2",  "ttyACM0",
                                      "ttyS0",   "ttyUSB10", "ttyUSB9"};
    std::sort(names.begin(), names.end(), platform::PortNameLess);
    EXPECT_EQ(names, (std::vector<std::string>{"ttyACM0", "ttyS0", "ttyS2", "ttyS10", "ttyUSB0", "ttyUSB9",
                                               "ttyUSB10"}));
}

TEST(SerialPortSourceTest, UdevListingGivesNamedPortsInOrder) {
    platform::UdevSerialPortSource source;
    const auto ports = source.Ports();
    for (std::size_t i = 0; i < ports.size(); ++i) {
        EXPECT_FALSE(ports[i].name.empty());
        if (i > 0) {
            EXPECT_FALSE(platform::PortNameLess(ports[i].name, ports[i - 1].name));
        }
    }
}

}  // namespace
