// CTerminalWindow: the program's one terminal window and the road of the link traffic to it: opened by
// the terminal-mode command, fed from any thread while the trace is on, its commands handed to the
// running session.
#pragma once

#include <QPointer>
#include <string_view>

#include "kivo32/tools/terminal_mode_dlg.h"
#include "kivo32/tools/terminal_traffic_relay.h"

class CAppContext;
class CSessionOwner;
class QWidget;

class CTerminalWindow {
public:
    CTerminalWindow(CAppContext& app, CSessionOwner& sessions);
    ~CTerminalWindow();

    // The terminal-mode command: makes the window when there is none (waking the connected logger), then
    // brings it up with the focus on the command.
    void Open(QWidget* parent);
    // Link traffic from any thread; shown only while the trace is on.
    void ShowTraffic(TrafficKind kind, std::string_view bytes);

    CTerminalModeDlg* Window() const { return window_; }

private:
    CAppContext& app_;
    CSessionOwner& sessions_;
    CTerminalTrafficRelay relay_;
    QPointer<CTerminalModeDlg> window_;
};
