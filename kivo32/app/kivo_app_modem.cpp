// The application's modem side: dialling a logger with the number the user gives, the answer mode that
// waits for loggers that call in, and the modem line's messages to the application.
#include "kivo32/app/app_ids.h"
#include "kivo32/app/command_requests.h"
#include "kivo32/app/kivo_app.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/ui_broker.h"
#include "shared/common/trace_log.h"
#include "shared/link/link_ids.h"
#include "shared/link/tapi_line.h"

namespace {

// The end of a session the modem line asks for when the far end hung up.
constexpr int kEndFarEndHungUp = 1;

}  // namespace

bool CKivoApp::ConnectModem(std::string number, int baud) {
    if (sessions_ == nullptr || sessions_->GetActiveSession() != nullptr) {
        return false;
    }
    if (number.empty()) {
        ModemManDialRequest request{.number = app_info_.manualDialPhoneNumber};
        if (platform::RunDialogRequest(request) != IDOK) {
            return false;
        }
        number = request.number;
        app_info_.manualDialPhoneNumber = number;
    }
    return StartSession([&](CSessionOwner& owner) { return owner.ConnectModem(number, baud); });
}

void CKivoApp::ToggleAnswerMode() {
    if (sessions_ == nullptr) {
        return;
    }
    if (!sessions_->IsAnsweringMode()) {
        sessions_->SetAnsweringMode(true);
        if (sessions_->GetActiveSession() == nullptr) {
            StartAnswering();
        }
        return;
    }
    sessions_->SetAnsweringMode(false);
    sessions_->SetAnswerSession(false);
    // Whether a logger answered yet or not, the session that waited ends.
    if (sessions_->GetActiveSession() != nullptr) {
        Disconnect(0, false);
    }
}

bool CKivoApp::StartAnswering() {
    // The connection status window stops before the line waits for a call.
    StopStatusWindow();
    Set(Flag::Abort, false);
    const bool started = StartSession([](CSessionOwner& owner) { return owner.StartAnswering(); });
    if (!started) {
        sessions_->SetAnsweringMode(false);
        return false;
    }
    // Waiting opens no link: the answered call does (OnModemCallConnected).
    link_idle_ = true;
    Trace("StartAnswering(): waiting for a logger to call in");
    return true;
}

void CKivoApp::ContinueAnswerModeAfter(int reason) {
    if (sessions_ == nullptr) {
        return;
    }
    if (reason == 0) {
        sessions_->SetAnsweringMode(false);
    } else if (reason == kEndFarEndHungUp && sessions_->IsAnswerSession() && !IsSet(Flag::Closing)) {
        sessions_->SetAnsweringMode(true);
        StartAnswering();
    }
}

bool CKivoApp::OnModemMessage(platform::Message& message) {
    switch (message.id) {
        case WM_MODEM_CALL_CONNECTED:
            OnModemCallConnected();
            return true;
        case WM_MODEM_CALL_OFFERED:
            // A logger calls in: the line answers it, and the program stays open meanwhile.
            Set(Flag::Abort, false);
            DisableCloseCommand();
            return true;
        case WM_MODEM_LINE_ERROR:
            OnModemLineError(message.wParam != 0);
            return true;
        default:
            return false;
    }
}

void CKivoApp::OnModemCallConnected() {
    CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
    if (session == nullptr) {
        return;
    }
    Set(Flag::Abort, false);
    link_idle_ = false;
    if (platform::MessageTarget* main = GetAppMainWnd()) {
        main->PostMessage(platform::Message(WM_LINK_OPENING));
    }
    DisableCloseCommand();
    session->Post(platform::Message(WM_SESSION_CALL_ANSWERED));
}

void CKivoApp::OnModemLineError(bool lineInUse) {
    platform::CurrentUiBroker().MessageBox(LoadText(lineInUse ? IDP_MODEM_LINE_IN_USE : IDP_MODEM_REQUEST_FAILED),
                                           LoadText(IDS_MODEM_CAPTION), MB_OK | MB_ICONEXCLAMATION);
    CancelCommand();
}

void CKivoApp::ListModemLines() {
    CTapiLine::EnumModemDevices(modem_lines_);
}
