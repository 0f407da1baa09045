// The setting commands end to end against the simulator: what goes to the logger, what it keeps, and
// what reads it back.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "platform/base/local_time.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/network_settings.h"
#include "shared/logger/settings_ids.h"
#include "shared/logger/wifi_settings.h"
#include "tests/shared/logger/logger_link_fixture.h"
#include "tests/support/time_zone.h"
#include "tools/loggersim/setting_commands.h"

namespace {

using testsupport::Transport;

class SettingCommandsTest : public testsupport::LoggerLinkFixture {
protected:
    // The commands the logger took after the first `from`.
    std::vector<std::string> CommandsFrom(std::size_t from) {
        const std::vector<std::string> all = Logger().Commands();
        return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())), all.end());
    }
    bool Sent(const std::string& command) {
        const std::vector<std::string> all = Logger().Commands();
        return std::find(all.begin(), all.end(), command) != all.end();
    }
    bool SentStartingWith(const std::string& prefix) {
        const std::vector<std::string> all = Logger().Commands();
        return std::any_of(all.begin(), all.end(), [&](const std::string& c) { return c.starts_with(prefix); });
    }
};

TEST(BaudRateCodeTest, CodesOfTheRates) {
    const std::pair<int, int> cases[] = {{1200, 15}, {4800, 13}, {9600, 12}, {14400, 3},  {19200, 11},
                                         {28800, 2}, {57600, 1}, {38400, 14}, {115200, 14}, {0, 14}};
    for (const auto& [rate, code] : cases) {
        EXPECT_EQ(CDataLogger::BaudRateCode(rate), code) << rate;
    }
}

TEST_P(SettingCommandsTest, ANewBaudRateTheLinkFollows) {
    ASSERT_TRUE(Start("ornat1"));
    EXPECT_EQ(Run([this] { return Object().SetBaudRate(38400); }), 1);
    EXPECT_TRUE(Sent("I!14 14"));
    EXPECT_EQ(Logger().State().baudCode, 14);
    EXPECT_EQ(link_->GetBaudRate(), 38400);
    if (GetParam() == Transport::Pty) {
        EXPECT_EQ(simulator_->LineRate(), 38400);
    }
}

TEST_P(SettingCommandsTest, AFailedBaudRateCommandTriesTheNewRateBeforeTheOld) {
    if (GetParam() == Transport::Tcp) {
        GTEST_SKIP() << "a network link has no line rate";
    }
    ASSERT_TRUE(Start("ornat1"));
    simulator_->SetLineRateChecked(true);
    clock_.SetSpeed(100);  // each lost answer waits out its time

    // The logger took the rate, but its answer was lost: it answers at the new rate.
    Logger().SetFaults({.dropPrompts = 1});
    EXPECT_EQ(Run([this] { return Object().SetBaudRate(57600); }), 1);
    EXPECT_EQ(Logger().State().baudCode, 1);
    EXPECT_EQ(link_->GetBaudRate(), 57600);
    EXPECT_EQ(simulator_->LineRate(), 57600);

    // The logger never took it: the link goes back to the rate the logger kept.
    Logger().ChangeState([](LoggerState& s) { s.unansweredCommands = {"I!14"}; });
    EXPECT_EQ(Run([this] { return Object().SetBaudRate(9600); }), 0);
    EXPECT_EQ(link_->GetBaudRate(), 57600);
    EXPECT_EQ(simulator_->LineRate(), 57600);
    Logger().ChangeState([](LoggerState& s) { s.unansweredCommands.clear(); });
    std::string clock;
    EXPECT_EQ(Run([&] { return Object().ReadClock(clock); }), 1);
}

TEST_P(SettingCommandsTest, TheQuarvenClockGoesInUtcTheOthersInLocalTime) {
    testsupport::ScopedTimeZone zone(testsupport::kNewYork);
    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 7;
    local.tm_hour = 14;
    local.tm_min = 5;
    local.tm_sec = 9;
    const std::time_t time = *platform::FromLocalTime(local);
    struct Case {
        const char* model;
        const char* command;
    };
    // Standard time in New York, five hours behind UTC.
    const Case cases[] = {{"quarven-rs", "C! 19:05:09 03/07/24"}, {"standard", "C! 14:05:09 03/07/24"}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.model);
        ASSERT_TRUE(Start(test.model));
        EXPECT_EQ(Run([&] { return Object().SetLoggerClock(time); }), 1);
        EXPECT_TRUE(Sent(test.command));
        EXPECT_EQ(Logger().State().clock, time);
        std::string shown;
        EXPECT_EQ(Run([&] { return Object().ReadClock(shown); }), 1);
        EXPECT_EQ(shown, "14:05:09 03/07/24");
    }
    // A time the clock cannot show is not sent.
    const int commands = Logger().CommandCount();
    EXPECT_EQ(Run([this] { return Object().SetLoggerClock(std::numeric_limits<std::time_t>::max()); }), 0);
    EXPECT_EQ(Logger().CommandCount(), commands);
}

TEST_P(SettingCommandsTest, IdAndModemStringWithinTheirLengths) {
    ASSERT_TRUE(Start("nimbo-pulse"));
    EXPECT_EQ(Run([this] { return Object().SetLoggerId("AB-12z"); }), 1);
    EXPECT_TRUE(Sent("I!E 41422D31327A"));
    EXPECT_EQ(Logger().State().loggerId, "AB-12z");
    EXPECT_EQ(Run([this] { return Object().SetLoggerId(""); }), 1);  // the command with nothing after it
    EXPECT_EQ(Logger().State().loggerId, "");

    EXPECT_EQ(Run([&] { return Object().SetModemString("AT&F S0=1"); }), 1);
    std::string read;
    EXPECT_EQ(Run([&] { return Object().ReadModemString(read); }), 1);
    EXPECT_EQ(read, "AT&F S0=1");  // cut at the reply's last "=" only
    const std::string modem = "AT&F " + std::string(55, 'E');
    EXPECT_EQ(Run([&] { return Object().SetModemString(modem); }), 1);
    EXPECT_EQ(Logger().State().modemString, modem);

    const int commands = Logger().CommandCount();
    EXPECT_EQ(Run([this] { return Object().SetLoggerId("ABCDEFG"); }), 0);
    EXPECT_EQ(Run([&] { return Object().SetModemString(modem + "X"); }), 0);
    EXPECT_EQ(Logger().CommandCount(), commands);
}

TEST_P(SettingCommandsTest, ScalarsReadBackAsWritten) {
    struct Case {
        const char* model;
        float r;
    };
    // Big-endian bit patterns with A and V only; bytes lowest first with R too.
    const Case cases[] = {{"nimbo-combo1", 0.0f}, {"quarven-kx", -3.5f}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.model);
        ASSERT_TRUE(Start(test.model));
        EXPECT_EQ(Run([&] { return Object().WriteScalars(1.5f, 0.0125f, test.r); }), 1);
        EXPECT_EQ(Run([this] { return Object().ReadScalars(); }), 1);
        EXPECT_EQ(Object().GetAScalar(), 1.5f);
        EXPECT_EQ(Object().GetVScalar(), 0.0125f);
        EXPECT_EQ(Object().GetRScalar(), test.r);
    }
    EXPECT_TRUE(Sent("*! 0000C03F CDCC4C3C 000060C0"));
}

TEST_P(SettingCommandsTest, WiredNetworkSettingsInTheFieldForm) {
    ASSERT_TRUE(Start("ornat2"));
    NetworkSettings settings;
    settings.address = "192.168.1.10";
    settings.mask = "255.255.255.0";
    settings.gateway = "192.168.1.1";
    settings.mac = "0:a:95:9d:68:1f";
    const std::size_t before = Logger().Commands().size();
    EXPECT_EQ(Run([&] { return Object().WriteNetworkSettings(settings, true); }), 1);
    const std::vector<std::string> expected = {"_!I C0A8010A", "_!S FFFFFF00", "_!P 0309",
                                               "_!G C0A80101", "_!M 000A959D681F", "_!RESET"};
    EXPECT_EQ(CommandsFrom(before), expected);
    // The logger restarted and dropped the link; a network link stops reading at the reset's echo.
    if (GetParam() == Transport::Pty) {
        EXPECT_TRUE(Eventually([this] { return link_->IsLinkLost(); }));
    } else {
        EXPECT_TRUE(app_.IsSet(CAppContext::Flag::Abort));
    }
    EXPECT_FALSE(link_->IsResettingLogger());
}

TEST_P(SettingCommandsTest, ANetworkWriteStopsAtItsFirstFailure) {
    ASSERT_TRUE(Start("standard"));
    Logger().ChangeState([](LoggerState& s) { s.unansweredCommands = {"_!P"}; });
    clock_.SetSpeed(1000);
    NetworkSettings settings;
    settings.address = "10.0.0.2";
    EXPECT_EQ(Run([&] { return Object().WriteNetworkSettings(settings, true); }), 0);
    EXPECT_TRUE(Sent("_!I 0A000002"));
    EXPECT_TRUE(SentStartingWith("_!P"));
    EXPECT_FALSE(SentStartingWith("_!G"));
    EXPECT_FALSE(SentStartingWith("_!M"));
    EXPECT_FALSE(Sent("_!RESET"));
}

TEST_P(SettingCommandsTest, WiredNetworkSettingsReadBack) {
    ASSERT_TRUE(Start("nimbo-combo2"));
    Logger().ChangeState([](LoggerState& s) {
        s.networkFields["I"] = "0A010203";
        s.networkFields["P"] = "0BB9";
    });
    NetworkSettings settings;
    EXPECT_EQ(Run([&] { return Object().ReadNetworkSettings(settings, false); }), 1);
    EXPECT_EQ(settings.address, "10.1.2.3");
    EXPECT_EQ(settings.mask, "255.255.255.0");
    EXPECT_EQ(settings.gateway, "0.0.0.0");
    EXPECT_EQ(settings.port, "3001");
    EXPECT_EQ(settings.mac, "");  // not asked for
    EXPECT_FALSE(SentStartingWith("_?M"));
    EXPECT_EQ(Run([&] { return Object().ReadNetworkSettings(settings, true); }), 1);
    EXPECT_EQ(settings.mac, "00:0A:95:9D:68:16");

    // A query that fails says so and ends the read.
    Logger().ChangeState([](LoggerState& s) { s.unansweredCommands = {"_?S"}; });
    clock_.SetSpeed(1000);
    const std::size_t before = Logger().Commands().size();
    EXPECT_EQ(Run([&] { return Object().ReadNetworkSettings(settings, true); }), 0);
    const std::vector<testsupport::RecordedMessageBox> boxes = boxes_.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().ids.promptId, IDS_NETWORK_SETTINGS_UNREADABLE);
    const std::vector<std::string> sent = CommandsFrom(before);
    EXPECT_TRUE(std::none_of(sent.begin(), sent.end(), [](const std::string& c) { return c == "_?G" || c == "_?P"; }));
}

TEST_P(SettingCommandsTest, QuarvenNetworkSettingsByName) {
    ASSERT_TRUE(Start("quarven-rs"));
    const NetworkSettings written{.address = "10.4.5.6", .mask = "255.255.0.0", .port = "3002",
                                  .gateway = "10.4.0.1", .mac = "00:0A:95:9D:68:20", .dhcp = true};
    const std::size_t before = Logger().Commands().size();
    EXPECT_EQ(Run([&] { return Object().WriteNetworkSettings(written, false); }), 1);
    const std::vector<std::string> expected = {"L!ADDR=10.4.5.6", "L!MASK=255.255.0.0", "L!ETHTCPPORT=3002",
                                               "L!GATEWAY=10.4.0.1", "L!DHCP=1"};
    EXPECT_EQ(CommandsFrom(before), expected);  // no MAC unless asked, no reset

    NetworkSettings read;
    EXPECT_EQ(Run([&] { return Object().ReadNetworkSettings(read, true); }), 1);
    EXPECT_EQ(read.address, written.address);
    EXPECT_EQ(read.mask, written.mask);
    EXPECT_EQ(read.port, written.port);
    EXPECT_EQ(read.gateway, written.gateway);
    EXPECT_EQ(read.mac, "00:0A:95:9D:68:16");
    EXPECT_TRUE(read.dhcp);
}

TEST_P(SettingCommandsTest, WiFiSettingsAsTheLoggerTellsThem) {
    ASSERT_TRUE(Start("quarven-kx"));
    WiFiSettings wifi;
    EXPECT_EQ(Run([&] { return Object().ReadWiFiSettings(wifi); }), 1);
    EXPECT_EQ(wifi.moduleName, "WiFly");
    EXPECT_EQ(wifi.ssid, "Site, north");
    EXPECT_EQ(wifi.moduleVersion, "4.00.1");
    EXPECT_EQ(wifi.address, "192.168.2.20");
    EXPECT_EQ(wifi.passwordLength, 10);
    EXPECT_EQ(wifi.webPasswordLength, 0);
    EXPECT_EQ(wifi.password, WiFiSettings::kUnchanged);  // lengths only, never a password

    ASSERT_TRUE(Start("ornat1"));
    EXPECT_EQ(Run([&] { return Object().ReadWiFiSettings(wifi); }), 0);
}

TEST_P(SettingCommandsTest, CalibrationReferenceNeedsAllThreeValues) {
    ASSERT_TRUE(Start("ornat1"));
    int index = 0;
    float first = 0;
    float second = 0;
    EXPECT_EQ(Run([&] { return Object().ReadCalibrationReference(index, first, second); }), 1);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(first, 1.25f);
    EXPECT_EQ(second, 230.5f);
    Logger().ChangeState([](LoggerState& s) { s.calibrationReference = "3, 1.5"; });
    EXPECT_EQ(Run([&] { return Object().ReadCalibrationReference(index, first, second); }), 0);
}

INSTANTIATE_TEST_SUITE_P(Links, SettingCommandsTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
