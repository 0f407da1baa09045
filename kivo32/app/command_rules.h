// The update-UI rules of the application's commands and the table of the commands that post one message
// to the session thread, as functions of a plain state: which command is enabled or checked now, which
// message a logger command posts and what it checks first.
#pragma once

#include <optional>

#include "shared/common/app_context.h"

// What the rules read of the application and its session at the moment a menu or toolbar asks.
struct CommandRuleState {
    bool disconnecting = false;  // the end-of-session routine runs
    bool session = false;        // a session thread runs
    bool ready = false;          // the session's last command has ended
    bool busy = false;           // the session runs a command
    bool connected = false;      // the session's link came up
    bool linkLost = false;       // and was lost since: the session only waits to be ended
    int linkKind = kLinkNone;
    int typeCode = kNoLogger;
    int firmware = 0;
    bool answerMode = false;     // waiting for loggers that call in
    bool linkIdle = true;        // no link has been opened since the last session ended
    bool closeAllowed = true;
    bool modemLineAvailable = false;
    bool stopping = false;       // a session thread that did not end when asked still runs
    bool traceOn = false;
};

struct CommandRule {
    bool enabled = true;
    bool checked = false;
};

// The rule of `id` in `state`; nullopt for a command these rules do not cover.
std::optional<CommandRule> FindCommandRule(unsigned id, const CommandRuleState& state);
// A command that talks to a logger: it connects first when no session runs.
bool IsLoggerCommand(unsigned id);

// What a logger command checks before it posts its message.
enum class SessionCommandCheck {
    None,
    NotStandardModel,  // refused for type code 0
    CallSchedule,      // refused where the logger keeps no call schedule
};

// A logger command that posts one message, without payload, to the session thread.
struct SessionCommand {
    unsigned commandId;
    unsigned message;
    SessionCommandCheck check;
};

// The session command of menu command `id`; nullptr when `id` is none.
const SessionCommand* FindSessionCommand(unsigned id);
// The message that refuses `check` for the connected logger, 0 when the command may go.
unsigned SessionCommandRefusal(SessionCommandCheck check, int typeCode, int firmware);

// The commands that change a logger's network settings, Wi-Fi settings or web password never go over a
// modem: the connection-type choice offers the modem for the others only.
bool CommandMayUseModem(unsigned command);
