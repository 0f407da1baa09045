// CTerminalWindow: opening the terminal window and relaying the traffic to it.
#include "kivo32/tools/terminal_window.h"

#include <string>
#include <utility>

#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/tools/terminal_ids.h"
#include "platform/ui/control_id.h"
#include "shared/common/app_context.h"

CTerminalWindow::CTerminalWindow(CAppContext& app, CSessionOwner& sessions)
    : app_(app), sessions_(sessions) {}

CTerminalWindow::~CTerminalWindow() {
    relay_.Attach(nullptr);
    delete window_.data();
}

void CTerminalWindow::Open(QWidget* parent) {
    app_.Set(CAppContext::Flag::Abort, false);
    if (window_ == nullptr) {
        CTerminalModeDlg::Links links;
        links.sendCommand = [this](std::string command) {
            CSessionEL* session = sessions_.GetActiveSession();
            if (session == nullptr) {
                return false;
            }
            session->Post(
                platform::Message(WM_SESSION_TERMINAL, 0, platform::MakePayload(std::move(command))));
            return true;
        };
        links.connected = [this] {
            const CSessionEL* session = sessions_.GetActiveSession();
            return session != nullptr && session->IsConnected();
        };
        window_ = new CTerminalModeDlg(app_, std::move(links), parent);
        QObject::connect(window_, &QDialog::finished, window_, &QObject::deleteLater);
        QObject::connect(window_, &QObject::destroyed, [this] { relay_.Attach(nullptr); });
        relay_.Attach(window_->Target());
        app_.SetCommTraceFlags(kTerminalTraceOff);
        if (CSessionEL* session = sessions_.GetActiveSession()) {
            session->Post(platform::Message(WM_SESSION_TERMINAL));
            window_->AddTrafficLine(TrafficKind::Received, "");
        }
    }
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
    platform::FindControl(window_, IDC_TERMINAL_COMMAND)->setFocus();
}

void CTerminalWindow::ShowTraffic(TrafficKind kind, std::string_view bytes) {
    if ((app_.GetCommTraceFlags() & kCommTraceOn) != 0) {
        relay_.Post(kind, bytes);
    }
}
