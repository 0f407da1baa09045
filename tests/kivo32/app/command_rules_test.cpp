// The update-UI rules of the application's commands over the states of the application and its session,
// and the logger commands' messages and refusals.
#include "kivo32/app/command_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/command_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/ui/ui_ids.h"

namespace {

// A ready session with an older logger connected directly.
CommandRuleState ReadySession(int typeCode = 2, int firmware = 200) {
    CommandRuleState state;
    state.session = true;
    state.ready = true;
    state.connected = true;
    state.linkKind = kLinkDirect;
    state.linkIdle = false;
    state.typeCode = typeCode;
    state.firmware = firmware;
    return state;
}

CommandRuleState With(CommandRuleState state, const std::function<void(CommandRuleState&)>& change) {
    change(state);
    return state;
}

struct RuleCase {
    std::string name;
    unsigned id;
    CommandRuleState state;
    bool enabled;
};

TEST(CommandRulesTest, EnableTheCommandsAsTheStateAllows) {
    const CommandRuleState none;
    const CommandRuleState ready = ReadySession();
    const CommandRuleState busy = With(ready, [](auto& s) {
        s.ready = false;
        s.busy = true;
    });
    const CommandRuleState ending = With(ready, [](auto& s) { s.disconnecting = true; });
    const CommandRuleState stopping = With(none, [](auto& s) { s.stopping = true; });
    const CommandRuleState quarven = ReadySession(13, 400);
    const CommandRuleState lost = With(ready, [](auto& s) { s.linkLost = true; });
    const RuleCase cases[] = {
        {"a logger command without a session connects first", ID_LOGGER_SYNC_TIME, none, true},
        {"a logger command on a ready session", ID_LOGGER_SYNC_TIME, ready, true},
        {"a logger command while another runs", ID_LOGGER_SYNC_TIME, busy, false},
        {"a logger command while the session ends", ID_LOGGER_SYNC_TIME, ending, false},
        {"a logger command while a kept session still stops", ID_LOGGER_SYNC_TIME, stopping, false},
        {"the download without a session", ID_LOGGER_DOWNLOAD, none, true},
        {"programming while another command runs", ID_LOGGER_PROGRAM, busy, false},
        {"the baud rate of a Quarven", ID_LOGGER_SET_BAUD, quarven, false},
        {"the call schedule of a Quarven", ID_LOGGER_CALL_SCHEDULE, quarven, false},
        {"reading the call schedule of a Quarven", ID_LOGGER_READ_CALL_SCHEDULE, quarven, false},
        {"the clock of a Quarven", ID_LOGGER_SYNC_TIME, quarven, true},
        {"the baud rate of an older logger", ID_LOGGER_SET_BAUD, ready, true},
        {"cancel while a command runs", ID_CANCEL_COMMAND, busy, true},
        {"cancel with nothing running", ID_CANCEL_COMMAND, ready, false},
        {"cancel without a session", ID_CANCEL_COMMAND, none, false},
        {"cancel on an idle link", ID_CANCEL_COMMAND, With(busy, [](auto& s) { s.linkIdle = true; }), false},
        {"connect direct without a session", ID_CONNECT_DIRECT, none, true},
        {"connect direct with a session", ID_CONNECT_DIRECT, ready, false},
        {"connect direct while a kept session still stops", ID_CONNECT_DIRECT, stopping, false},
        {"connect over the network without a session", ID_CONNECT_NETWORK, none, true},
        {"connect by modem without a modem line", ID_CONNECT_MODEM, none, false},
        {"connect by modem with a modem line", ID_CONNECT_MODEM,
         With(none, [](auto& s) { s.modemLineAvailable = true; }), true},
        // A session whose link was lost waits only to be ended: a connect ends it first.
        {"connect direct after the link was lost", ID_CONNECT_DIRECT, lost, true},
        {"connect over the network after the link was lost", ID_CONNECT_NETWORK, lost, true},
        {"connect by modem after the link was lost", ID_CONNECT_MODEM,
         With(lost, [](auto& s) { s.modemLineAvailable = true; }), true},
        {"connect after the link was lost while its command ends", ID_CONNECT_DIRECT,
         With(lost, [](auto& s) { s.ready = false; }), false},
        {"connect after the link was lost while the session ends", ID_CONNECT_DIRECT,
         With(lost, [](auto& s) { s.disconnecting = true; }), false},
        {"disconnect after the link was lost", ID_DISCONNECT, lost, true},
        // Given, it says the link is lost.
        {"a logger command after the link was lost", ID_LOGGER_READ_SETUP, lost, true},
        {"the logger list after the link was lost", ID_OPEN_LOGGER_LIST, lost, false},
        {"answer mode without a session", ID_ANSWER_MODE, none, true},
        {"answer mode while its session waits for a call", ID_ANSWER_MODE,
         With(none,
              [](auto& s) {
                  s.session = true;
                  s.answerMode = true;
                  s.busy = true;
              }),
         true},
        {"answer mode once a call connected", ID_ANSWER_MODE,
         With(ready, [](auto& s) { s.linkKind = kLinkModem; }), false},
        {"answer mode while the session ends", ID_ANSWER_MODE,
         With(none,
              [](auto& s) {
                  s.session = true;
                  s.disconnecting = true;
              }),
         false},
        {"connect direct while waiting for a call", ID_CONNECT_DIRECT,
         With(none, [](auto& s) { s.answerMode = true; }), false},
        {"connect by modem while waiting for a call", ID_CONNECT_MODEM,
         With(none,
              [](auto& s) {
                  s.answerMode = true;
                  s.modemLineAvailable = true;
              }),
         false},
        {"disconnect from a connected logger", ID_DISCONNECT, ready, true},
        {"disconnect while the link is still opening", ID_DISCONNECT,
         With(busy, [](auto& s) { s.connected = false; }), false},
        {"disconnect without a session", ID_DISCONNECT, none, false},
        {"disconnect while the session ends", ID_DISCONNECT, ending, false},
        {"exit when closing is allowed", ID_APP_EXIT, none, true},
        {"exit while a link opens", ID_APP_EXIT, With(none, [](auto& s) { s.closeAllowed = false; }), false},
        {"harmonics of a Quarven", ID_LOGGER_HARMONICS, quarven, true},
        {"harmonics of type 2 from firmware 128", ID_LOGGER_HARMONICS, ReadySession(2, 128), true},
        {"harmonics of type 2 below firmware 128", ID_LOGGER_HARMONICS, ReadySession(2, 127), false},
        {"waveform of a Quarven", ID_LOGGER_WAVEFORM, quarven, true},
        {"waveform of type 3", ID_LOGGER_WAVEFORM, ReadySession(3, 400), false},
        {"waveform of type 1", ID_LOGGER_WAVEFORM, ReadySession(1, 400), false},
        {"harmonics without a session", ID_LOGGER_HARMONICS, none, false},
        {"harmonics while another command runs", ID_LOGGER_HARMONICS,
         With(quarven, [](auto& s) { s.ready = false; }), false},
        {"dorvane without a session", ID_START_DORVANE, none, true},
        {"dorvane with an older logger", ID_START_DORVANE, ready, true},
        {"dorvane with a Quarven", ID_START_DORVANE, quarven, false},
        {"dorvane over a modem", ID_START_DORVANE, With(ready, [](auto& s) { s.linkKind = kLinkModem; }),
         false},
        {"teldrin with a Quarven", ID_START_TELDRIN, quarven, true},
        {"teldrin before the link is up", ID_START_TELDRIN, With(busy, [](auto& s) { s.connected = false; }),
         false},
        {"teldrin while the session ends", ID_START_TELDRIN, ending, false},
        {"the firmware update without a session connects first", ID_LOGGER_FIRMWARE_UPDATE, none, true},
        {"the firmware update of a ready Quarven", ID_LOGGER_FIRMWARE_UPDATE, quarven, true},
        {"the firmware update while a Quarven's command runs", ID_LOGGER_FIRMWARE_UPDATE,
         With(quarven, [](auto& s) { s.ready = false; }), false},
        {"the firmware update of an older logger", ID_LOGGER_FIRMWARE_UPDATE, ready, false},
        {"the firmware update of the standard model", ID_LOGGER_FIRMWARE_UPDATE, ReadySession(0, 200), false},
        {"the firmware update of type 12", ID_LOGGER_FIRMWARE_UPDATE, ReadySession(12, 400), false},
        {"the firmware update of a Quarven KX", ID_LOGGER_FIRMWARE_UPDATE, ReadySession(14, 400), true},
        {"the terminal without a session", ID_TERMINAL_MODE, none, true},
        {"the terminal while a command runs", ID_TERMINAL_MODE, busy, true},
        {"the logger list without a session", ID_OPEN_LOGGER_LIST, none, true},
        {"the logger list with a session", ID_OPEN_LOGGER_LIST, ready, false},
        {"the PC setup without a session", ID_PC_SETUP, none, true},
        {"the PC setup while a command runs", ID_PC_SETUP, busy, false},
        {"the PC setup while the session ends", ID_PC_SETUP, ending, false},
        {"the logger's energy summary of a Quarven", ID_LOGGER_ENERGY_SUMMARY, quarven, true},
        {"the logger's energy summary of an older model", ID_LOGGER_ENERGY_SUMMARY, ready, false},
        {"the logger's energy summary without a session", ID_LOGGER_ENERGY_SUMMARY, none, false},
        {"the logger's energy summary while another command runs", ID_LOGGER_ENERGY_SUMMARY,
         With(quarven, [](auto& s) { s.ready = false; }), false},
    };
    for (const RuleCase& c : cases) {
        const std::optional<CommandRule> rule = FindCommandRule(c.id, c.state);
        ASSERT_TRUE(rule.has_value()) << c.name;
        EXPECT_EQ(rule->enabled, c.enabled) << c.name;
    }
}

TEST(CommandRulesTest, TheTraceAndAnswerModeItemsAreCheckedWhileOnAndLocalCommandsHaveNoRule) {
    CommandRuleState state;
    state.traceOn = true;
    state.answerMode = true;
    EXPECT_TRUE(FindCommandRule(ID_TRACE_ON_OFF, state)->checked);
    EXPECT_TRUE(FindCommandRule(ID_ANSWER_MODE, state)->checked);
    state.traceOn = false;
    state.answerMode = false;
    EXPECT_FALSE(FindCommandRule(ID_TRACE_ON_OFF, state)->checked);
    EXPECT_FALSE(FindCommandRule(ID_ANSWER_MODE, state)->checked);
    EXPECT_FALSE(FindCommandRule(ID_OPEN_DATA_FILE, state).has_value());
    EXPECT_FALSE(FindCommandRule(ID_GRID_DATA_ERRORS, state).has_value());
    EXPECT_FALSE(FindCommandRule(ID_GRID_LOAD_PROFILE_GRAPH, state).has_value());
    EXPECT_FALSE(FindCommandRule(ID_GRID_STATISTICS_1, state).has_value());
}

TEST(CommandRulesTest, LoggerCommandsPostTheirSessionMessages) {
    const struct {
        unsigned id;
        unsigned message;
    } cases[] = {
        {ID_LOGGER_SET_TIME, WM_SESSION_SET_TIME},
        {ID_LOGGER_SET_IDS, WM_SESSION_SET_LOGGER_IDS},
        {ID_LOGGER_MEMORY_TEST, WM_SESSION_MEMORY_TEST},
        {ID_LOGGER_READ_SETUP, WM_SESSION_READ_SETUP_TABLE},
        {ID_LOGGER_READ_CALL_SCHEDULE, WM_SESSION_READ_CALL_SCHEDULE},
        {ID_LOGGER_WAVEFORM, WM_SESSION_WF_CAPTURE},
        {ID_LOGGER_PROPERTIES, WM_SESSION_LOGGER_PROPERTIES},
        {ID_LOGGER_PROPERTIES_TOOLBAR, WM_SESSION_LOGGER_PROPERTIES},
        {ID_LOGGER_WEB_PASSWORD, WM_SESSION_SET_WEB_PASSWORD},
        {ID_LOGGER_ENERGY_SUMMARY, WM_SESSION_READ_ENERGY_SUMMARY},
    };
    for (const auto& c : cases) {
        const SessionCommand* command = FindSessionCommand(c.id);
        ASSERT_NE(command, nullptr) << c.id;
        EXPECT_EQ(command->message, c.message) << c.id;
    }
    // Programming and the download carry their own payloads and checks.
    EXPECT_EQ(FindSessionCommand(ID_LOGGER_PROGRAM), nullptr);
    EXPECT_EQ(FindSessionCommand(ID_LOGGER_DOWNLOAD), nullptr);
}

TEST(CommandRulesTest, RefusalsOfTheStandardModelAndOfLoggersWithoutACallSchedule) {
    const struct {
        unsigned id;
        int typeCode;
        int firmware;
        unsigned refusal;
    } cases[] = {
        {ID_LOGGER_SET_SCALARS, 0, 500, IDP_NOT_FOR_STANDARD_MODEL},
        {ID_LOGGER_SET_IDS, 0, 500, IDP_NOT_FOR_STANDARD_MODEL},
        {ID_LOGGER_CAL_AMP, 0, 500, IDP_NOT_FOR_STANDARD_MODEL},
        {ID_LOGGER_CAL_VOLT_TEMP, 0, 500, IDP_NOT_FOR_STANDARD_MODEL},
        {ID_LOGGER_MEMORY_TEST, 0, 500, IDP_NOT_FOR_STANDARD_MODEL},
        {ID_LOGGER_AUTO_CALIBRATION, 0, 500, IDP_NOT_FOR_STANDARD_MODEL},
        {ID_LOGGER_SET_SCALARS, 2, 100, 0},
        {ID_LOGGER_SET_TIME, 0, 100, 0},
        {ID_LOGGER_CALL_SCHEDULE, 0, 500, IDP_NO_CALL_SCHEDULE},
        {ID_LOGGER_CALL_SCHEDULE, 1, 500, IDP_NO_CALL_SCHEDULE},
        {ID_LOGGER_READ_CALL_SCHEDULE, 2, 114, IDP_NO_CALL_SCHEDULE},
        {ID_LOGGER_READ_CALL_SCHEDULE, 2, 115, 0},
        {ID_LOGGER_CALL_SCHEDULE, 3, 10, 0},
    };
    for (const auto& c : cases) {
        const SessionCommand* command = FindSessionCommand(c.id);
        ASSERT_NE(command, nullptr) << c.id;
        EXPECT_EQ(SessionCommandRefusal(command->check, c.typeCode, c.firmware), c.refusal)
            << c.id << " type " << c.typeCode << " firmware " << c.firmware;
    }
}

TEST(CommandRulesTest, TheNetworkWiFiAndWebPasswordCommandsNeverGoOverAModem) {
    for (const unsigned command : {ID_LOGGER_SET_TIME, ID_LOGGER_DOWNLOAD, ID_LOGGER_PROPERTIES}) {
        EXPECT_TRUE(CommandMayUseModem(command)) << command;
    }
    for (const unsigned command : {ID_LOGGER_NETWORK_INFO, ID_LOGGER_WIFI_INFO, ID_LOGGER_WEB_PASSWORD}) {
        EXPECT_FALSE(CommandMayUseModem(command)) << command;
    }
}

}  // namespace
