// The update-UI rules of the application's commands and the table of the logger commands.
#include "kivo32/app/command_rules.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/command_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/ui/ui_ids.h"
#include "shared/setup/setup_codes.h"

namespace {

constexpr std::array kSessionCommands = {
    SessionCommand{ID_LOGGER_SET_TIME, WM_SESSION_SET_TIME, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_SYNC_TIME, WM_SESSION_SYNC_TIME, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_SET_BAUD, WM_SESSION_SET_BAUD_RATE, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_SET_DESCRIPTION, WM_SESSION_SET_DESCRIPTION, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_START_STOP, WM_SESSION_START_STOP_LOGGING, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_CLEAR_MEMORY, WM_SESSION_CLEAR_MEMORY, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_MODEM_STRING, WM_SESSION_SET_MODEM_STRING, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_SET_IDS, WM_SESSION_SET_LOGGER_IDS, SessionCommandCheck::NotStandardModel},
    SessionCommand{ID_LOGGER_SET_SCALARS, WM_SESSION_SET_SCALARS, SessionCommandCheck::NotStandardModel},
    SessionCommand{ID_LOGGER_CAL_AMP, WM_SESSION_CAL_AMP_SCALAR, SessionCommandCheck::NotStandardModel},
    SessionCommand{ID_LOGGER_CAL_VOLT_TEMP, WM_SESSION_CAL_VOLT_TEMP_SCALAR,
                   SessionCommandCheck::NotStandardModel},
    SessionCommand{ID_LOGGER_MEMORY_TEST, WM_SESSION_MEMORY_TEST, SessionCommandCheck::NotStandardModel},
    SessionCommand{ID_LOGGER_READ_SETUP, WM_SESSION_READ_SETUP_TABLE, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_REAL_TIME_TEXT, WM_SESSION_REAL_TIME_TEXT, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_REAL_TIME_GRAPH, WM_SESSION_REAL_TIME_GRAPH, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_CALL_SCHEDULE, WM_SESSION_CALL_SCHEDULE, SessionCommandCheck::CallSchedule},
    SessionCommand{ID_LOGGER_READ_CALL_SCHEDULE, WM_SESSION_READ_CALL_SCHEDULE,
                   SessionCommandCheck::CallSchedule},
    SessionCommand{ID_LOGGER_HARMONICS, WM_SESSION_HARMONICS, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_WAVEFORM, WM_SESSION_WF_CAPTURE, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_AUTO_CALIBRATION, WM_SESSION_AUTO_CALIBRATION,
                   SessionCommandCheck::NotStandardModel},
    SessionCommand{ID_LOGGER_TOGGLE_OPTION, WM_SESSION_TOGGLE_OPTION, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_NETWORK_INFO, WM_SESSION_SET_NETWORK_INFO, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_CLEAR_PEAK, WM_SESSION_CLEAR_PEAK, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_CLEAR_TOTALS, WM_SESSION_CLEAR_TOTALS, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_PROPERTIES, WM_SESSION_LOGGER_PROPERTIES, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_PROPERTIES_TOOLBAR, WM_SESSION_LOGGER_PROPERTIES, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_WIFI_INFO, WM_SESSION_SET_WIFI_INFO, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_WEB_PASSWORD, WM_SESSION_SET_WEB_PASSWORD, SessionCommandCheck::None},
    SessionCommand{ID_LOGGER_ENERGY_SUMMARY, WM_SESSION_READ_ENERGY_SUMMARY, SessionCommandCheck::None},
};

// The logger commands that connect first when no session runs; with a session they wait for its last
// command to end.
constexpr std::array kLoggerCommands = {
    ID_LOGGER_DOWNLOAD,           ID_LOGGER_REAL_TIME_TEXT,   ID_LOGGER_REAL_TIME_GRAPH,
    ID_LOGGER_READ_SETUP,         ID_LOGGER_SET_TIME,         ID_LOGGER_SYNC_TIME,
    ID_LOGGER_SET_BAUD,           ID_LOGGER_SET_DESCRIPTION,  ID_LOGGER_START_STOP,
    ID_LOGGER_CLEAR_MEMORY,       ID_LOGGER_MODEM_STRING,     ID_LOGGER_SET_IDS,
    ID_LOGGER_MEMORY_TEST,        ID_LOGGER_SET_SCALARS,      ID_LOGGER_CAL_AMP,
    ID_SUT_PROGRAM_LOGGER,        ID_LOGGER_CAL_VOLT_TEMP,    ID_LOGGER_CALL_SCHEDULE,
    ID_LOGGER_READ_CALL_SCHEDULE, ID_LOGGER_AUTO_CALIBRATION, ID_LOGGER_TOGGLE_OPTION,
    ID_LOGGER_CLEAR_TOTALS,       ID_LOGGER_CLEAR_PEAK,       ID_LOGGER_PROPERTIES,
    ID_LOGGER_PROPERTIES_TOOLBAR, ID_LOGGER_PROGRAM,          ID_LOGGER_DOWNLOAD_AGAIN,
    ID_LOGGER_NETWORK_INFO,       ID_LOGGER_WIFI_INFO,        ID_LOGGER_WEB_PASSWORD,
    ID_LOGGER_FIRMWARE_UPDATE,    ID_SUT_PROGRAM_LOGGER_FOOT,
};

template <std::size_t N>
bool Contains(const std::array<unsigned, N>& ids, unsigned id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool LoggerCommandEnabled(unsigned id, const CommandRuleState& s) {
    if (s.disconnecting) {
        return false;
    }
    if (!s.session) {
        return !s.stopping;
    }
    const bool quarven = s.typeCode >= kModelQuarvenRS;
    if (quarven &&
        (id == ID_LOGGER_SET_BAUD || id == ID_LOGGER_CALL_SCHEDULE || id == ID_LOGGER_READ_CALL_SCHEDULE)) {
        return false;
    }
    // The program sends firmware only to the newer models.
    if (!quarven && id == ID_LOGGER_FIRMWARE_UPDATE) {
        return false;
    }
    return s.ready;
}

// Only with the link up and not over a modem: the programs it starts talk to the same logger.
bool ProgramStartEnabled(const CommandRuleState& s, bool olderModelsOnly) {
    if (s.disconnecting) {
        return false;
    }
    return !s.session ||
           ((!olderModelsOnly || s.typeCode < kModelQuarvenRS) && s.connected && s.linkKind != kLinkModem);
}

}  // namespace

std::optional<CommandRule> FindCommandRule(unsigned id, const CommandRuleState& s) {
    CommandRule rule;
    const bool noLinkYet = !s.answerMode && !s.disconnecting && !s.session && !s.stopping;
    // A connect ends a session whose link was lost, once its last command has ended.
    const bool mayConnect = noLinkYet || (!s.disconnecting && s.session && s.linkLost && s.ready);
    if (IsLoggerCommand(id)) {
        rule.enabled = LoggerCommandEnabled(id, s);
    } else {
        switch (id) {
            case ID_APP_EXIT:
                rule.enabled = s.closeAllowed;
                break;
            case ID_PC_SETUP:
                // Greyed while a logger command runs, which may use the settings it changes.
                rule.enabled = LoggerCommandEnabled(id, s);
                break;
            case ID_START_DORVANE:
                rule.enabled = ProgramStartEnabled(s, true);
                break;
            case ID_START_TELDRIN:
                rule.enabled = ProgramStartEnabled(s, false);
                break;
            case ID_CANCEL_COMMAND:
                rule.enabled = !s.disconnecting && !s.linkIdle && s.session && s.busy;
                break;
            case ID_CONNECT_DIRECT:
            case ID_CONNECT_NETWORK:
                rule.enabled = mayConnect;
                break;
            case ID_OPEN_LOGGER_LIST:
                rule.enabled = noLinkYet;
                break;
            case ID_CONNECT_MODEM:
                rule.enabled = mayConnect && s.modemLineAvailable;
                break;
            case ID_DISCONNECT:
                rule.enabled = !s.disconnecting && s.session && s.connected;
                break;
            case ID_ANSWER_MODE:
                // Switched off too while its session waits for a call, which opens no link.
                rule.enabled = !s.disconnecting && (!s.session || s.linkIdle);
                rule.checked = s.answerMode;
                break;
            case ID_LOGGER_ENERGY_SUMMARY:
                rule.enabled = !s.disconnecting && s.session && s.ready && s.typeCode >= kModelQuarvenRS;
                break;
            case ID_LOGGER_HARMONICS:
            case ID_LOGGER_WAVEFORM:
                rule.enabled = !s.disconnecting && s.session && s.ready &&
                               (s.typeCode >= kModelQuarvenRS || (s.typeCode == 2 && s.firmware >= 128));
                break;
            case ID_TRACE_ON_OFF:
                rule.checked = s.traceOn;
                break;
            case ID_TERMINAL_MODE:
                // The window opens with or without a session; a command typed without one is told.
                break;
            default:
                return std::nullopt;
        }
    }
    return rule;
}

bool IsLoggerCommand(unsigned id) {
    return Contains(kLoggerCommands, id);
}

const SessionCommand* FindSessionCommand(unsigned id) {
    const auto found = std::find_if(kSessionCommands.begin(), kSessionCommands.end(),
                                    [id](const SessionCommand& command) { return command.commandId == id; });
    return found != kSessionCommands.end() ? &*found : nullptr;
}

unsigned SessionCommandRefusal(SessionCommandCheck check, int typeCode, int firmware) {
    switch (check) {
        case SessionCommandCheck::NotStandardModel:
            return typeCode == 0 ? IDP_NOT_FOR_STANDARD_MODEL : 0;
        case SessionCommandCheck::CallSchedule:
            return typeCode == 0 || typeCode == 1 || (typeCode == 2 && firmware < 115) ? IDP_NO_CALL_SCHEDULE
                                                                                       : 0;
        case SessionCommandCheck::None:
            break;
    }
    return 0;
}

bool CommandMayUseModem(unsigned command) {
    return command != ID_LOGGER_NETWORK_INFO && command != ID_LOGGER_WIFI_INFO &&
           command != ID_LOGGER_WEB_PASSWORD;
}
