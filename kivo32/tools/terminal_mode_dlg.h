// CTerminalModeDlg: the modeless window in which the user types raw logger commands and watches the
// link's traffic, received ("R:"), sent ("S:") and noted ("#:").
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <string>
#include <string_view>

#include "kivo32/tools/terminal_traffic.h"
#include "platform/ui/dialog.h"

class CAppContext;

// The trace flags while the window is open with its trace off (kCommTraceOn when on).
inline constexpr int kTerminalTraceOff = 2;

class CTerminalModeDlg : public platform::Dialog {
    Q_OBJECT

public:
    struct Links {
        // Hands a command to the session, which sends it; false when no session runs.
        std::function<bool(std::string)> sendCommand;
        // A session with an open connection.
        std::function<bool()> connected;
    };

    // The window owns nothing of the link: the traffic comes as posted WM_TERMINAL_TRAFFIC messages.
    CTerminalModeDlg(CAppContext& app, Links links, QWidget* parent = nullptr);
    ~CTerminalModeDlg() override;

    void ShowTraffic(TrafficKind kind, std::string_view bytes);
    void AddTrafficLine(TrafficKind kind, std::string_view text);
    // Shift was held when the trace was switched on.
    bool IsRaw() const { return raw_; }

    void OnMessage(platform::Message& message) override;

protected:
    // Enter anywhere in the window sends the command.
    void OnOK() override;
    void OnCancel() override;

private:
    void Clear();
    void ToggleTrace();
    void SetTrace(bool on);
    void AskAndClose();
    void ShowLines();
    void FocusCommand();

    CAppContext& app_;
    Links links_;
    CTerminalLines lines_;
    bool trace_ = false;
    bool raw_ = false;
    QLineEdit* command_;
    QPlainTextEdit* text_;
    QPushButton* trace_button_;
    QLabel* trace_note_;
    QLabel* raw_note_;
};
