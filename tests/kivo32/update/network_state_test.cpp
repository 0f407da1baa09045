// Whether the system reports a network: only interfaces other than the loopback count, and only "down"
// says there is none; a folder that cannot be read says nothing.
#include "kivo32/update/network_state.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "tests/support/temp_folder.h"

namespace {

TEST(NetworkStateTest, OnlyInterfacesThatAreAllDownMeanNoNetwork) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> states;  // interface and its "operstate"
        bool online;
    };
    const std::vector<Case> cases{
        {"the loopback alone", {{"lo", "unknown"}}, false},
        {"every link down", {{"lo", "unknown"}, {"eth0", "down"}, {"wlan0", "down"}}, false},
        {"one link up", {{"lo", "unknown"}, {"eth0", "down"}, {"wlan0", "up"}}, true},
        {"a link that does not say", {{"lo", "unknown"}, {"tun0", "unknown"}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempFolder interfaces;
        for (const auto& [name, state] : c.states) {
            std::filesystem::create_directories(interfaces / name);
            std::ofstream(interfaces / name / "operstate") << state << "\n";
        }
        EXPECT_EQ(SystemReportsNetwork(interfaces.path()), c.online);
    }
    testsupport::TempFolder empty;
    EXPECT_TRUE(SystemReportsNetwork(empty / "missing"));
}

}  // namespace
