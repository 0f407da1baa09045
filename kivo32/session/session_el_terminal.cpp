// The program's session: the terminal window's raw commands. Only this thread touches the link; the
// window hands its commands over and sees their traffic through the trace.
#include <algorithm>
#include <cctype>
#include <string>

#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/window_messages.h"
#include "shared/common/app_context.h"
#include "shared/link/connection.h"
#include "shared/logger/data_logger.h"

void CSessionEL::OnTerminal(const std::string* command) {
    CConnection* connection = GetConnection();
    if (command == nullptr) {
        if (connection != nullptr) {
            connection->WakeLogger(false);
        }
        return;
    }
    const CommandScope scope(*this);
    // The command's traffic is shown also while the window's trace is off.
    CAppContext& app = App();
    const int flags = app.GetCommTraceFlags();
    app.SetCommTraceFlags(flags | kCommTraceOn);
    // The logger takes its commands in capitals.
    std::string sent = *command;
    std::transform(sent.begin(), sent.end(), sent.begin(), [](unsigned char c) { return std::toupper(c); });
    std::string reply;
    const bool done = logger_ != nullptr && logger_->SendTerminalCommand(sent, reply);
    if (sent == "!!RESTART") {
        // The logger restarts and drops the link, often before its answer is through: the session ends
        // either way.
        PostToMainWindow(platform::Message(WM_COMMAND, ID_SESSION_DISCONNECT));
    } else if (!done) {
        ShowFailure(IDS_TERMINAL_COMMAND_FAILED);
    } else if (sent == "R!F" || sent == "R!E") {
        SetSendMode(sent == "R!E" ? SEND_MODE_ECHO : SEND_MODE_LINE);
    }
    app.SetCommTraceFlags(flags);
}
