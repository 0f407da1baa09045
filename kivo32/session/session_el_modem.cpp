// The program's session over a modem: the connection that dials or waits for a call, and the answered
// call that completes a session waiting for it.
#include <memory>
#include <string>

#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "platform/base/message_box_flags.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/connection_modem.h"
#include "shared/link/link_ids.h"

int CSessionEL::NewModemConnection() {
    // An answering connection leaves the number and the rate aside.
    const int mode = settings_.answering ? CTapiLine::kModeAnswer : CTapiLine::kModeDialOut;
    ReplaceConnection(std::make_unique<CConnectionModem>(CLinkContext{this, &App()}, settings_.modemNumber,
                                                         settings_.modemBaud, mode));
    SetLinkKind(kLinkModem);
    return 1;
}

void CSessionEL::OnCallAnswered() {
    Trace("In CSessionEL::OnCallAnswered()\n");
    waiting_for_call_.store(false);
    BeginCommand();
    bool connected = false;
    if (GetConnection() != nullptr && GetConnection()->AttachPort() && !IsAborted()) {
        connected = ConnectLogger() != 0;
    }
    PostToMainWindow(platform::Message(WM_CLOSE_COMMAND, 1));
    if (connected && !IsAborted()) {
        PostStatusString(STATUS_TEXT, IDS_LOGGER_CONNECTED);
        SetConnected(true);
        App().SetLoggerType(GetLoggerType());
        if (owner_.IsAnswerSession()) {
            owner_.SetCalledIn(true);
        }
        owner_.SetAnsweringMode(false);
        EndCommand();
        return;
    }
    EndCommand();
    if (!IsAborted()) {
        ShowMessageBoxId(IDS_CALL_ANSWERED_FAILED, MB_OK, true);
    }
    PostToApplication(platform::Message(WM_END_SESSION, 0));
}

void CSessionEL::OnMessage(platform::Message& message) {
    CSession::OnMessage(message);
    if (message.id != WM_MODEM_LINE_EVENT || !waiting_for_call_.load()) {
        return;
    }
    // The application greys Close while a ringing call is answered; an answer that did not connect
    // leaves the line waiting, and the program must stay closable.
    auto* modem = dynamic_cast<CConnectionModem*>(GetConnection());
    if (modem != nullptr && !modem->GetTapiLine().IsCallConnected()) {
        PostToMainWindow(platform::Message(WM_CLOSE_COMMAND, 1));
    }
}

void CSessionEL::OnCancelCommand() {
    CSession::OnCancelCommand();
    // Nothing runs while the session waits for a call: the cancel ends the wait, so that the command
    // counts as done.
    if (waiting_for_call_.exchange(false)) {
        EndCommand();
    }
}
