// CSessionOwner: what the application keeps of its logger sessions: the link settings a session starts
// from, starting one (direct, modem, network, or answering loggers that call in), the end of a session, and
// the settings a session reads and leaves behind (pending command, default speeds, last good connection). The
// application shell calls it on the user-interface thread.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/base/message_target.h"
#include "platform/io/serial_port_source.h"
#include "shared/common/app_context.h"
#include "shared/link/link_clock.h"

class CDownloadProgressLink;
class CSessionEL;

// The link that answered last, recorded once a logger was identified on it.
struct CLastConnection {
    int linkKind = kLinkNone;
    std::string portName;
    int baud = 0;
    std::string networkAddress;
    std::string networkPort;
    std::string modemNumber;
};

// What a session starts from: a copy, taken when the session is made.
struct CLinkSettings {
    int linkKind = kLinkNone;
    std::string portName;
    int directBaud = 57600;
    std::string networkAddress;
    std::string networkPort;
    // A modem link: the number it dials and the speed of this call; a session that answers dials none.
    std::string modemNumber;
    int modemBaud = 0;
    bool answering = false;
};

class CSessionOwner {
public:
    // How the user-interface thread waits for the session: until done() or `timeout`; true when done.
    // The program runs a local event loop, so that the questions a session asks meanwhile are answered.
    using LocalWait =
        std::function<bool(const std::function<bool()>& done, std::chrono::milliseconds timeout)>;
    // Writes one integer of the program's settings (section, key, value).
    using ProfileWriter = std::function<void(const std::string& section, const std::string& key, int value)>;

    static constexpr std::chrono::milliseconds kCommandDoneWait{5000};
    static constexpr std::chrono::milliseconds kJoinWait{10000};
    // How often a wait without the program's local wait looks for a question the ending session asks.
    static constexpr std::chrono::milliseconds kQuestionLookInterval{20};

    // `app` must outlive the owner. The session's notices go to `mainWindow`, its end-of-session
    // request to `application` (either may be nullptr).
    CSessionOwner(CAppContext& app, platform::MessageTarget* mainWindow,
                  platform::MessageTarget* application);
    ~CSessionOwner();
    CSessionOwner(const CSessionOwner&) = delete;
    CSessionOwner& operator=(const CSessionOwner&) = delete;

    // ---- Starting a session: only when none runs and no kept one still stops; false otherwise.
    bool ConnectDirect(std::string portName, int baud);
    bool ConnectNetwork(std::string address, std::string port);
    // `baud` 0: the stored modem default.
    bool ConnectModem(std::string number, int baud);
    // Opens the modem line and waits for a logger that calls in; the answered call completes the session.
    bool StartAnswering();
    // The running session, nullptr when none.
    CSessionEL* GetActiveSession() const { return session_.get(); }

    // ---- The end of a session (WM_END_SESSION): ends the dialog the session shows, cancels the command
    // that runs and waits for it, asks the thread to stop the link and end, and joins it; a question the
    // session asks meanwhile (the cancelled download's recovery question) is ended as with its Cancel.
    // Each wait is bounded; a thread that does not end is kept (and reported). True when the session
    // ended.
    bool Disconnect(int reason, bool keepLogger = false);
    // Sessions whose thread did not end when asked.
    std::size_t KeptSessions() const { return kept_sessions_.size(); }
    // A kept session's thread still runs: it may still use the link, so no new session starts meanwhile.
    bool IsStopping() const;

    // ---- The program's seams; set before a session starts.
    void SetLocalWait(LocalWait wait) { local_wait_ = std::move(wait); }
    // Ends the dialog a session shows, as with Cancel.
    void SetDialogEnder(std::function<void()> endDialog) { end_dialog_ = std::move(endDialog); }
    void SetProfileWriter(ProfileWriter writer) { profile_writer_ = std::move(writer); }
    // The serial ports the port search goes through; nullptr: this machine's.
    void SetSerialPortSource(platform::SerialPortSource* source) { port_source_ = source; }
    void SetLinkClock(const LinkClock& clock) { clock_ = &clock; }
    // Runs on the session thread each time a logger was connected and identified: the version check.
    void SetConnectedHook(std::function<void(CSessionEL&)> hook) { connected_hook_ = std::move(hook); }
    void LoggerConnected(CSessionEL& session) const {
        if (connected_hook_) {
            connected_hook_(session);
        }
    }
    // Shows the progress window of a download on the user-interface thread: a post, never a wait. Without
    // one the download's progress goes to the status bar.
    using DownloadWindowOpener = std::function<void(std::shared_ptr<CDownloadProgressLink>)>;
    void SetDownloadWindowOpener(DownloadWindowOpener open) { download_window_opener_ = std::move(open); }
    // A link the download fills for its window; null when the program shows none.
    std::shared_ptr<CDownloadProgressLink> OpenDownloadWindow() const;

    // ---- Settings a session reads and writes, from its thread.
    // Cleared by "NOPORTSEARCH".
    bool IsPortSearchAllowed() const { return port_search_.load(); }
    void SetPortSearchAllowed(bool allowed) { port_search_.store(allowed); }
    // The menu command chosen before the link existed: run once the logger is connected.
    void SetPendingCommand(unsigned id) { pending_command_.store(id); }
    unsigned TakePendingCommand() { return pending_command_.exchange(0); }
    // Set once the user ticked "do not ask again" in the question before a clock command.
    bool IsClockQuestionOff() const { return clock_question_off_.load(); }
    void SetClockQuestionOff(bool off) { clock_question_off_.store(off); }
    // The command-line download that runs with nobody at the screen: it ends with a notice that closes
    // itself and tells the main window it is done.
    bool IsUnattendedDownload() const { return unattended_download_.load(); }
    void SetUnattendedDownload(bool on) { unattended_download_.store(on); }
    // Set by the version check when the Wi-Fi module needs newer firmware; the next Wi-Fi command takes
    // it and updates the module.
    void SetModuleUpdateRequest(bool on) { module_update_request_.store(on); }
    bool TakeModuleUpdateRequest() { return module_update_request_.exchange(false); }
    // Set after a module update: the version check runs again.
    bool IsRepeatVersionCheck() const { return repeat_version_check_.load(); }
    void SetRepeatVersionCheck(bool on) { repeat_version_check_.store(on); }
    // Answer mode: waiting for loggers that call in. Cleared once an answered call connected its logger.
    bool IsAnsweringMode() const { return answering_mode_.load(); }
    void SetAnsweringMode(bool on) { answering_mode_.store(on); }
    // The running session was started to answer calls (also after its call connected).
    bool IsAnswerSession() const { return answer_session_.load(); }
    void SetAnswerSession(bool on) { answer_session_.store(on); }
    // A logger that called in is connected; cleared when its call schedule was released and at the end
    // of every session.
    bool IsCalledIn() const { return called_in_.load(); }
    void SetCalledIn(bool on) { called_in_.store(on); }
    // The default speed of direct links (kind 1) or of modem links (any other kind).
    int GetStoredBaud(int linkKind) const;
    void SetStoredBaud(int linkKind, int baud);
    // The stored default, also written to the program's settings.
    void StoreBaud(int linkKind, int baud);
    void SetLastConnection(CLastConnection connection);
    CLastConnection GetLastConnection() const;
    // The serial port (or modem line) the last session was started on; empty for a network link.
    std::string GetLinkPortName() const;
    // The modem line setting ("ModemLineName"), which a modem session's line reads from its thread.
    void SetModemLineName(std::string name);
    std::string GetModemLineName() const;
    // The serial port entries the port search tries, at most 16.
    std::vector<std::string> SerialPortList() const;

private:
    bool StartSession(CLinkSettings settings);
    // Waits for `done`, at most `timeout`: through the program's local wait, else `blockingWait` in short
    // slices. Meanwhile every question the session asks is ended as with its Cancel.
    bool WaitWhileEnding(CSessionEL& session, const std::function<bool()>& done, std::chrono::milliseconds timeout,
                         const std::function<bool(std::chrono::milliseconds)>& blockingWait) const;
    // Ends the dialog or question the session has open, through the dialog ender.
    void EndOpenQuestion(const CSessionEL& session) const;

    CAppContext& app_;
    platform::MessageTarget* const main_window_;
    platform::MessageTarget* const application_;
    const LinkClock* clock_ = &RealLinkClock();
    platform::SerialPortSource* port_source_ = nullptr;
    LocalWait local_wait_;
    std::function<void()> end_dialog_;
    std::function<void(CSessionEL&)> connected_hook_;
    DownloadWindowOpener download_window_opener_;
    ProfileWriter profile_writer_;
    // The settings of the last session started (user-interface thread only).
    CLinkSettings link_settings_;
    std::atomic<bool> port_search_{true};
    std::atomic<bool> clock_question_off_{false};
    std::atomic<unsigned> pending_command_{0};
    std::atomic<bool> unattended_download_{false};
    std::atomic<bool> module_update_request_{false};
    std::atomic<bool> repeat_version_check_{false};
    std::atomic<bool> answering_mode_{false};
    std::atomic<bool> answer_session_{false};
    std::atomic<bool> called_in_{false};
    std::atomic<int> direct_baud_default_{57600};
    std::atomic<int> modem_baud_default_{57600};
    mutable std::mutex last_connection_mutex_;
    CLastConnection last_connection_;
    // The port of link_settings_ and the modem line setting, for the session thread (guarded by
    // last_connection_mutex_).
    std::string link_port_name_;
    std::string modem_line_name_ = "None";
    std::unique_ptr<CSessionEL> session_;
    std::vector<std::unique_ptr<CSessionEL>> kept_sessions_;
};
