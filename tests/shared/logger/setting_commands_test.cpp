// The setting commands end to end against the simulator: what goes to the logger, what it keeps, and
// what reads it back.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "platform/base/local_time.h"
#include "shared/common/app_context.h"
#include "shared/common/trace_log.h"
#include "shared/common/user_data_folder.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/network_settings.h"
#include "shared/logger/settings_ids.h"
#include "shared/logger/wifi_settings.h"
#include "tests/shared/logger/logger_link_fixture.h"
#include "tests/support/time_zone.h"

namespace {

using testsupport::Transport;

class SettingCommandsTest : public testsupport::LoggerLinkFixture {
protected:
    // The commands the logger took after the first `from`.
    std::vector<std::string> CommandsFrom(std::size_t from) {
        const std::vector<std::string> all = Logger().Commands();
        return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())),
                                        all.end());
    }
    // The same with the tagged text blocks by their tags alone.
    std::vector<std::string> SettingsFrom(std::size_t from) {
        std::vector<std::string> commands = CommandsFrom(from);
        for (std::string& command : commands) {
            // A tagged block ends in " =" and its four checksum digits.
            const bool tagged = command.size() > 6 && command.compare(command.size() - 6, 2, " =") == 0;
            if (tagged) {
                command.erase(command.find('='));
            }
        }
        return commands;
    }
    bool Sent(const std::string& command) {
        const std::vector<std::string> all = Logger().Commands();
        return std::find(all.begin(), all.end(), command) != all.end();
    }
    bool SentStartingWith(const std::string& prefix) {
        const std::vector<std::string> all = Logger().Commands();
        return std::any_of(all.begin(), all.end(),
                           [&](const std::string& c) { return c.starts_with(prefix); });
    }
};

TEST(BaudRateCodeTest, CodesOfTheRates) {
    const std::pair<int, int> cases[] = {{1200, 15}, {4800, 13}, {9600, 12},  {14400, 3},   {19200, 11},
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
    ASSERT_TRUE(Start("ornat1"));
    simulator_->SetLineBaud(19200);
    clock_.SetSpeed(100);  // each lost answer waits out its time
    const bool serial = GetParam() == Transport::Pty;

    // The logger never took the rate: the link keeps the rate the logger kept, and still reaches it.
    Logger().ChangeState([](LoggerState& s) { s.unansweredCommands = {"I!14"}; });
    EXPECT_EQ(Run([this] { return Object().SetBaudRate(9600); }), 0);
    EXPECT_EQ(link_->GetBaudRate(), 19200);
    if (serial) {
        EXPECT_EQ(simulator_->LineRate(), 19200);
    }
    Logger().ChangeState([](LoggerState& s) { s.unansweredCommands.clear(); });
    std::string clock;
    EXPECT_EQ(Run([&] { return Object().ReadClock(clock); }), 1);

    if (serial) {
        // The logger took the rate, but its answer was lost: it answers at the new rate.
        Logger().SetFaults({.dropPrompts = 1});
        EXPECT_EQ(Run([this] { return Object().SetBaudRate(57600); }), 1);
        EXPECT_EQ(Logger().State().baudCode, 1);
        EXPECT_EQ(link_->GetBaudRate(), 57600);
        EXPECT_EQ(simulator_->LineRate(), 57600);
        EXPECT_EQ(Run([&] { return Object().ReadClock(clock); }), 1);
    }
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
    const std::vector<std::string> expected = {"_!I C0A8010A", "_!S FFFFFF00",     "_!P 0309",
                                               "_!G C0A80101", "_!M 000A959D681F", "_!RESET"};
    // The reset is not answered: the logger may take it after the write has returned.
    EXPECT_TRUE(Eventually([&] { return Logger().Commands().size() >= before + expected.size(); }));
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
    NetworkSettings settings;
    settings.address = "10.0.0.2";
    EXPECT_EQ(RunThroughSilences([&] { return Object().WriteNetworkSettings(settings, true); }), 0);
    EXPECT_TRUE(Sent("_!I 0A000002"));
    // Unanswered, so the write may end before the simulator's thread has recorded it.
    EXPECT_TRUE(Eventually([this] { return SentStartingWith("_!P"); }));
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
    const std::size_t before = Logger().Commands().size();
    EXPECT_EQ(RunThroughSilences([&] { return Object().ReadNetworkSettings(settings, true); }), 0);
    const std::vector<testsupport::RecordedMessageBox> boxes = boxes_.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().ids.promptId, IDS_NETWORK_SETTINGS_UNREADABLE);
    const std::vector<std::string> sent = CommandsFrom(before);
    EXPECT_TRUE(std::none_of(sent.begin(), sent.end(),
                             [](const std::string& c) { return c == "_?G" || c == "_?P"; }));
}

TEST_P(SettingCommandsTest, QuarvenNetworkSettingsByName) {
    ASSERT_TRUE(Start("quarven-rs"));
    const NetworkSettings written{.address = "10.4.5.6",
                                  .mask = "255.255.0.0",
                                  .port = "3002",
                                  .gateway = "10.4.0.1",
                                  .mac = "00:0A:95:9D:68:20",
                                  .dhcp = true};
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

TEST_P(SettingCommandsTest, WiFiSettingsOfAClientReadBack) {
    ASSERT_TRUE(Start("quarven-kx"));
    WiFiSettings settings;
    settings.ssid = "Plant, east";
    settings.password = "pass phrase 1";
    settings.address = "10.9.8.7";
    settings.mask = "255.255.255.0";
    settings.gateway = "10.9.8.1";
    settings.port = "2000";
    settings.externalAntenna = true;
    const std::size_t before = Logger().Commands().size();
    EXPECT_EQ(Run([&] { return Object().WriteWiFiSettings(settings); }), 1);
    const std::vector<std::string> expected = {"L!WSSID",
                                               "L!WPASS",
                                               "L!WDHCP=0",
                                               "L!WADDR=10.9.8.7",
                                               "L!WMASK=255.255.255.0",
                                               "L!MODTCPPORT=2000",
                                               "L!WGATEWAY=10.9.8.1",
                                               "L!WEXT_ANTENNA=1"};
    EXPECT_EQ(SettingsFrom(before), expected);

    WiFiSettings read;
    EXPECT_EQ(Run([&] { return Object().ReadWiFiSettings(read); }), 1);
    EXPECT_EQ(read.ssid, settings.ssid);
    EXPECT_EQ(read.address, settings.address);
    EXPECT_EQ(read.mask, settings.mask);
    EXPECT_EQ(read.gateway, settings.gateway);
    EXPECT_EQ(read.port, settings.port);
    EXPECT_TRUE(read.externalAntenna);
    EXPECT_FALSE(read.dhcp);
    EXPECT_FALSE(read.accessPoint);
    EXPECT_EQ(read.passwordLength, 13);
    EXPECT_EQ(Logger().State().wifiSettings.at("WPASS"), "pass phrase 1");
}

TEST_P(SettingCommandsTest, WiFiStepsByModeDhcpAndPassword) {
    struct Case {
        const char* name;
        bool accessPoint;
        bool dhcp;
        bool newPassword;
        std::vector<std::string> commands;
    };
    const Case cases[] = {
        {"client, DHCP, password unchanged",
         false,
         true,
         false,
         {"L!WSSID", "L!WDHCP=1", "L!MODTCPPORT=3001", "L!WEXT_ANTENNA=0"}},
        {"access point, new password",
         true,
         false,
         true,
         {"L!WDHCP=3", "L!WPASS", "L!MODTCPPORT=3001", "L!WEXT_ANTENNA=0"}},
        {"access point, password unchanged",
         true,
         true,
         false,
         {"L!WDHCP=3", "L!MODTCPPORT=3001", "L!WEXT_ANTENNA=0"}},
    };
    ASSERT_TRUE(Start("quarven-rs"));
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        WiFiSettings settings;
        settings.accessPoint = test.accessPoint;
        settings.dhcp = test.dhcp;
        settings.password = test.newPassword ? "new-secret" : WiFiSettings::kUnchanged;
        const std::size_t before = Logger().Commands().size();
        EXPECT_EQ(Run([&] { return Object().WriteWiFiSettings(settings); }), 1);
        EXPECT_EQ(SettingsFrom(before), test.commands);
    }
    EXPECT_EQ(Logger().State().wifiSettings.at("WPASS"), "new-secret");
}

TEST_P(SettingCommandsTest, AFailedWiFiStepStopsWithItsMessage) {
    struct Case {
        const char* refused;
        bool accessPoint;
        unsigned message;
    };
    const Case cases[] = {{"L!WSSID", false, IDS_WIFI_SSID_FAILED},
                          {"L!WMASK", false, IDS_WIFI_MASK_FAILED},
                          {"L!MODTCPPORT", false, IDS_WIFI_PORT_FAILED},
                          {"L!MODTCPPORT", true, IDS_WIFI_ACCESS_POINT_PORT_FAILED}};
    ASSERT_TRUE(Start("quarven-rs"));
    for (const Case& test : cases) {
        SCOPED_TRACE(test.refused);
        Logger().ChangeState([&](LoggerState& s) { s.unansweredCommands = {test.refused}; });
        WiFiSettings settings;
        settings.accessPoint = test.accessPoint;
        const std::size_t before = Logger().Commands().size();
        EXPECT_EQ(RunThroughSilences([&] { return Object().WriteWiFiSettings(settings); }), 0);
        const std::vector<testsupport::RecordedMessageBox> boxes = boxes_.Boxes();
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes.back().ids.promptId, test.message);
        // Nothing after the failure. The refused command goes unanswered, so the write may end before the
        // simulator's thread has recorded it.
        EXPECT_TRUE(Eventually([&] {
            const std::vector<std::string> sent = CommandsFrom(before);
            return !sent.empty() && sent.back().starts_with(test.refused);
        }));
    }
}

TEST_P(SettingCommandsTest, APasswordNeverShowsInTheTraceOrTheCommunicationLog) {
    ASSERT_TRUE(Start("quarven-rs"));
    std::filesystem::create_directories(UserDataFolder());
    const auto traceSize = [] {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(ProgramTraceLog().Path(), error);
        return error ? 0 : size;
    };
    const std::uintmax_t start = traceSize();
    const auto sendTraced = [&](const char* tag, int fieldLength, bool secret) {
        SetTraceOn(true);
        app_.SetCommTraceFlags(kCommTraceOn);
        const int sent =
            Run([&] { return Object().SendTextSetting(tag, "secret pass", fieldLength, secret); });
        SetTraceOn(false);
        app_.SetCommTraceFlags(0);
        CloseTraceFile();
        return sent;
    };
    // In echo mode the echo is traced too; a bad echo brings the bad echo's line and the retry.
    ASSERT_EQ(Run([this] { return Object().SetEchoMode(true); }), 1);
    EXPECT_EQ(sendTraced("L!WPASS", 64, true), 1);
    ASSERT_EQ(Run([this] { return Object().SetEchoMode(true); }), 1);
    Logger().SetFaults({.garbleEchoes = 1});
    EXPECT_EQ(sendTraced("L!WPASS", 64, true), 1);
    EXPECT_EQ(Logger().State().wifiSettings.at("WPASS"), "secret pass");

    const std::string secret = "73656372657420706173730000";  // "secret pass" and its first zero bytes
    const std::string masked = "L!WPASS=" + std::string(128, '*') + " =";
    std::ifstream file(ProgramTraceLog().Path(), std::ios::binary);
    file.seekg(static_cast<std::streamoff>(start));
    const std::string trace((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (const std::string& line : {"Cmd Send(142): " + masked, "Cmd Recv(142): " + masked,
                                    "** Bad Echo **: Expected: " + masked, "Retry 1 for: " + masked}) {
        EXPECT_NE(trace.find(line), std::string::npos) << line << "\nin\n" << trace;
    }
    EXPECT_EQ(trace.find(secret), std::string::npos) << trace;
    std::string log;
    for (const std::string& line : app_.CommTraceLines()) {
        log += line;
    }
    EXPECT_NE(log.find(masked), std::string::npos) << log;
    EXPECT_EQ(log.find(secret), std::string::npos) << log;
    EXPECT_NE(app_.TerminalText().find(masked), std::string::npos) << app_.TerminalText();
    EXPECT_EQ(app_.TerminalText().find(secret), std::string::npos) << app_.TerminalText();

    // Other settings show as they are.
    EXPECT_EQ(sendTraced("L!WSSID", 32, false), 1);
    std::ifstream again(ProgramTraceLog().Path(), std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>());
    EXPECT_NE(all.find(secret, static_cast<std::size_t>(start)), std::string::npos);
}

TEST_P(SettingCommandsTest, DescriptionAndSecondIdByFamily) {
    // What the logger's identification record then tells.
    const auto identify = [this] {
        return Run([this] { return link_->DoCommand("I?", 16000) && Object().DecodeIdentity(false); });
    };
    ASSERT_TRUE(Start("ornat1"));
    EXPECT_EQ(Run([this] { return Object().PrepareExtraWrite("North substation"); }), 1);
    EXPECT_EQ(Run([this] { return Object().WriteExtraBlock("JQ"); }), 1);
    EXPECT_TRUE(Sent("I!B 4A51"));
    ASSERT_TRUE(identify());
    EXPECT_EQ(Object().GetDescription(), "North substation");
    EXPECT_EQ(Object().GetThirdText(), "JQ");
    const int commands = Logger().CommandCount();
    EXPECT_EQ(Run([this] { return Object().WriteExtraBlock("ABCDEFG"); }), 0);
    EXPECT_EQ(Logger().CommandCount(), commands);

    ASSERT_TRUE(Start("quarven-rs"));
    const std::string longText = "Pumping station, west wing, 2nd floor";  // more than the 32-byte field
    EXPECT_EQ(Run([&] { return Object().PrepareExtraWrite(longText); }), 1);
    EXPECT_EQ(Run([this] { return Object().WriteExtraBlock("Tech JQ"); }), 1);
    EXPECT_EQ(Logger().State().description, longText.substr(0, 32));
    EXPECT_EQ(Logger().State().secondId, "Tech JQ");
    ASSERT_TRUE(identify());
    EXPECT_EQ(Object().GetDescription(), longText.substr(0, 21));  // the record's short field
}

TEST_P(SettingCommandsTest, TheCallScheduleGoesToTheScheduleBlock) {
    ASSERT_TRUE(Start("nimbo-pulse"));
    std::vector<std::uint8_t> record(144);
    for (std::size_t i = 0; i < record.size(); ++i) {
        record[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    EXPECT_EQ(Run([&] { return Object().WriteCallSchedule(record); }), 1);
    const LoggerState state = Logger().State();
    const auto schedule = state.setupMemory.begin() + LoggerState::kScheduleAddress;
    EXPECT_EQ(std::vector<std::uint8_t>(schedule, schedule + 144), record);
    EXPECT_EQ(Run([this] { return Object().SendScheduleRCommand(); }), 1);
    EXPECT_TRUE(Sent("SCHEDULE /R"));

    // Without the status no block is written.
    Logger().ChangeState([](LoggerState& s) { s.unansweredCommands = {"Y?"}; });
    const std::size_t before = Logger().Commands().size();
    EXPECT_EQ(RunThroughSilences([&] { return Object().WriteCallSchedule(record); }), 0);
    const std::vector<std::string> sent = CommandsFrom(before);
    EXPECT_TRUE(
        std::none_of(sent.begin(), sent.end(), [](const std::string& c) { return c.starts_with("M!"); }));
}

INSTANTIATE_TEST_SUITE_P(Links, SettingCommandsTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
