// CStatusWnd: the connection status window docked in the main frame while a logger session runs: the
// link's texts, the status line, three signal lamps, the progress bar and the picture button that hides
// it. What it shows follows the status protocol (status_protocol.h).
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "kivo32/app/status_protocol.h"
#include "platform/base/message.h"

class QProgressBar;
class CSession;

class CStatusWnd : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTickMs = 500;

    // The running session, nullptr when none.
    using SessionSource = std::function<const CSession*()>;

    // `showHide` runs when the picture button is clicked (the frame's command that shows or hides the
    // window).
    CStatusWnd(SessionSource session, std::function<void()> showHide, QWidget* parent = nullptr);

    // The start and the stop of a session: fields emptied and the half-second tick on, or the tick off.
    void Start();
    void Stop();
    bool IsRunning() const { return tick_.isActive(); }
    // A status message (WM_APP+0xD0); every text that reaches a field goes to the trace log too.
    void OnStatusMessage(unsigned code, std::intptr_t value, const std::optional<std::string>& text);
    // While the window runs, a lamp's notice (CLampNotice) that `message` carries is kept until the tick
    // turns the lamps grey: meanwhile the link posts no other notice for the lit lamp.
    void KeepLampNotice(platform::Message& message);
    // The picture button is shown only while the window is docked.
    void SetDocked(bool docked);

    const CStatusProtocol& Protocol() const { return protocol_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnTick();
    // Shows what the protocol says.
    void Refresh();

    SessionSource session_;
    std::function<void()> show_hide_;
    CStatusProtocol protocol_;
    std::map<unsigned, QLabel*> fields_;
    std::array<QLabel*, 3> lamps_{};
    std::vector<std::unique_ptr<platform::Payload>> kept_lamp_notices_;
    QProgressBar* progress_;
    QLabel* picture_;
    bool picture_pressed_ = false;
    QTimer tick_;
};
