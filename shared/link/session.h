// CSession: the session thread of one link. It owns the connection, runs one logger command at a time
// between BeginCommand and EndCommand, decides the logger's model from its identification text, tells
// the main window its status, and answers the three messages every session takes: cancel the command,
// drop the logger, end the session. Its waits keep taking a cancel: those of a running command, and
// those for the user's answer when the session asks something through the UiBroker. The program's
// session, which also owns the logger object, builds on it.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/base/broker_worker_thread.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_target.h"
#include "shared/common/app_context.h"
#include "shared/link/link_clock.h"
#include "shared/link/link_ids.h"

class CConnection;

// Send modes (the session's send mode).
inline constexpr int SEND_MODE_LINE = 0;  // command and CR at once, no echo checked
inline constexpr int SEND_MODE_ECHO = 1;  // byte by byte against the logger's echo, then CR

// How far the connect step got.
enum ConnectStage {
    kStageEstablish,
    kStageIdentify,
    kStageModel,
    kStageLoggerObject,
    kStageSessionStart,
    kStageMemoryText,
};

class CSession : public platform::BrokerWorkerThread {
public:
    // `app` must outlive the session. A cancel tells the main window the text of `cancelTextId` (the
    // scheduled-calling program's session has a text of its own).
    explicit CSession(CAppContext& app = GetAppContext(), unsigned cancelTextId = IDS_COMMAND_CANCELLED);
    ~CSession() override;

    int GetSendMode() const { return send_mode_.load(); }
    void SetSendMode(int mode) { send_mode_.store(mode); }
    // kNoLogger (-1) until the logger is identified.
    int GetLoggerType() const { return logger_type_.load(); }
    void SetLoggerType(int code) { logger_type_.store(code); }
    // 0 until a logger reports its interface (3: cell modem).
    int GetInterfaceKind() const { return interface_kind_.load(); }
    void SetInterfaceKind(int kind) { interface_kind_.store(kind); }
    // How long a wireless or network link may stay idle before the watch wakes the logger.
    static constexpr std::uint32_t kIdleEscapeAfterMs = 15000;

    // Set once the logger is identified and its object made; the lost-port notice watches it.
    bool IsConnected() const { return connected_.load(); }
    void SetConnected(bool connected) { connected_.store(connected); }
    // The logger's firmware version number, which the logger code's version thresholds read.
    int GetFirmwareVersion() const { return firmware_version_.load(); }
    void SetFirmwareVersion(int version) { firmware_version_.store(version); }
    std::string GetModelName() const;
    void SetModelName(std::string name);
    // The model name as the main window shows it (with the memory size below type code 13).
    std::string GetDisplayedModelName() const;
    void SetDisplayedModelName(std::string name);
    // Set while the running command reads only the data logged since the last download.
    bool IsNewDataRead() const { return new_data_read_.load(); }
    void SetNewDataRead(bool on) { new_data_read_.store(on); }
    // The minute stamp and seconds value of the last record converted or taken over from a data file
    // (file header offsets 6 and 10): the next download of new data continues from them.
    std::int32_t GetKeptStamp() const { return kept_stamp_.load(); }
    void SetKeptStamp(std::int32_t stamp) { kept_stamp_.store(stamp); }
    int GetKeptSeconds() const { return kept_seconds_.load(); }
    void SetKeptSeconds(int seconds) { kept_seconds_.store(seconds); }
    // kLinkNone until the session chose its link.
    int GetLinkKind() const { return link_kind_.load(); }
    void SetLinkKind(int kind) { link_kind_.store(kind); }
    int GetConnectStage() const { return connect_stage_.load(); }

    // ---- One command at a time. The user interface reads these flags; the end of a session waits
    // for the command-done flag.
    // Clears the abort flag and marks a command running.
    void BeginCommand();
    // Tells the main window the command finished and marks it done. Result 0.
    int EndCommand();
    bool IsBusy() const { return busy_.load(); }
    bool IsCommandDone() const { return command_done_.load(); }
    bool IsCommandInProgress() const { return in_progress_.load(); }
    // BeginCommand when made, EndCommand once when it goes, whichever way the handler leaves.
    class CommandScope {
    public:
        explicit CommandScope(CSession& session) : session_(session) { session_.BeginCommand(); }
        ~CommandScope() { session_.EndCommand(); }
        CommandScope(const CommandScope&) = delete;
        CommandScope& operator=(const CommandScope&) = delete;

    private:
        CSession& session_;
    };
    // On any thread but the session's: waits up to `timeout` for the command-done flag.
    bool WaitForCommandDone(std::chrono::milliseconds timeout);

    // ---- The link. Only the session thread makes, uses and closes it; the user-interface thread calls
    // only SendQueuedData, GetStatusText and GetLinkLostError.
    CConnection* GetConnection() const { return connection_.get(); }
    // Replaces the connection (a logger object on the old one is dropped first). Result 1.
    int NewDirectConnection(std::string portName, int baud);
    int NewNetworkConnection(std::string address, std::string port, int baud);
    // Decides type code, model name and firmware version from the connection's firmware text; an
    // unknown text shows 8199 unless aborted. 1 decoded, 0 not.
    int DecodeModel();
    // Stops the link: ends any wait of the running command and closes the transport; unless
    // `keepLogger`, the logger first hears its farewell with `reason`. The end of a session, and a
    // download that gives up on a lost port, call it on the session thread.
    virtual void Disconnect(int reason, bool keepLogger);
    // The connection's send queue; the main window calls it for WM_SEND_QUEUED_DATA.
    int SendQueuedData();
    // The connection's status text when `connectionText` and a connection exists, else the logger's
    // identification text; empty when there is neither.
    std::string GetStatusText(bool connectionText) const;
    // The errno with which the connection's link was lost; 0 while it is up, and without a connection.
    int GetLinkLostError() const;
    // The logger's Wi-Fi module and web login, from its configuration bits; 0 without a logger.
    virtual int LoggerHasWiFi() const { return 0; }
    virtual int LoggerHasWebLogin() const { return 0; }

    // ---- Dialogs the running command shows: the end of a session ends the one that is open.
    // Runs `request` through the UiBroker, marked as the session's open dialog meanwhile.
    template <platform::DialogRequestType Request>
    int RunDialog(Request& request) {
        dialog_open_.store(true);
        const int result = platform::RunDialogRequest(request);
        dialog_open_.store(false);
        return result;
    }
    bool IsDialogOpen() const { return dialog_open_.load(); }

    // ---- Where the session's messages go: status, wait cursor and pending commands to the main
    // window; the end of the session to the application. nullptr posts nothing.
    void SetStatusWindow(platform::MessageTarget* window) { status_window_.store(window); }
    void SetApplicationTarget(platform::MessageTarget* application) { application_.store(application); }
    // Posts WM_LINK_STATUS with `code` and the text of `stringId`; id 0 posts nothing.
    void PostStatusString(unsigned code, unsigned stringId) const;
    // Posts WM_LINK_STATUS with `code` and `value` as it is.
    void PostStatus(unsigned code, std::intptr_t value) const;
    // Posts WM_LINK_STATUS with `code` and an owned copy of `text`.
    void PostStatus(unsigned code, std::string text) const;
    void PostToMainWindow(platform::Message message) const;
    void PostToApplication(platform::Message message) const;
    // The clock of the links this session makes; set before the thread starts.
    void SetLinkClock(const LinkClock& clock) { clock_ = &clock; }

    // On the session thread, inside a command: waits until done() or `timeout`, taking a cancel
    // (WM_CANCEL_COMMAND) meanwhile. Other messages wait until the command has ended.
    platform::WaitResult WaitForLink(const std::function<bool()>& done, std::chrono::milliseconds timeout);

protected:
    CAppContext& App() const { return app_; }
    bool IsAborted() const { return app_.IsSet(CAppContext::Flag::Abort); }
    // 1 shows the main window's wait cursor, -1 restores it.
    void DoWaitCursor(int step) const;
    void SetConnectStage(int stage) { connect_stage_.store(stage); }
    // Takes the three base messages; any other goes to OnCommand.
    void OnMessage(platform::Message& message) override;
    virtual void OnCommand(platform::Message&) {}
    // A cancel, taken inside a wait or after it: the user interface set the abort flag before posting it.
    virtual void OnCancelCommand();
    // Forgets the logger: connected 0, no type code. The program's session deletes its object first.
    virtual void OnDropLogger();
    // Stops the link as Disconnect does, destroys the connection and ends the thread.
    void OnDisconnect(int reason, bool keepLogger);
    // WM_IDLE_ESCAPE: between commands, a link idle for longer than kIdleEscapeAfterMs gets an escape;
    // when the link cannot take it, WM_COMMAND `commandOnFailure` goes to the main window. A lost link
    // gets nothing.
    void OnIdleEscape(unsigned commandOnFailure);
    // The logger's farewell, for Disconnect; a session without a logger object has none.
    virtual void SayFarewell(int) {}
    // The logger's identification text, for GetStatusText (called with the link objects locked).
    virtual std::string LoggerText() const { return {}; }
    // Held while the connection or the logger object is replaced on the session thread, and while the
    // user-interface thread calls into them.
    std::unique_lock<std::mutex> LockLinkObjects() const { return std::unique_lock(link_objects_mutex_); }
    // While the session waits for the user's answer, a cancel is taken at once.
    bool TakeWhileAsking(platform::Message& message) override;

    // Makes `connection` the session's, after the logger object and the old connection went.
    void ReplaceConnection(std::unique_ptr<CConnection> connection);

private:
    CAppContext& app_;
    const unsigned cancel_text_id_;
    const LinkClock* clock_ = &RealLinkClock();
    std::atomic<int> send_mode_{SEND_MODE_ECHO};
    std::atomic<int> logger_type_{-1};
    std::atomic<int> interface_kind_{0};
    std::atomic<bool> connected_{false};
    std::atomic<int> firmware_version_{0};
    std::atomic<bool> new_data_read_{false};
    std::atomic<std::int32_t> kept_stamp_{0};
    std::atomic<int> kept_seconds_{0};
    std::atomic<int> link_kind_{0};
    std::atomic<int> connect_stage_{kStageEstablish};
    std::atomic<bool> busy_{false};
    std::atomic<bool> in_progress_{false};
    std::atomic<bool> dialog_open_{false};
    mutable std::mutex done_mutex_;
    std::condition_variable done_changed_;
    std::atomic<bool> command_done_{false};
    mutable std::mutex names_mutex_;
    std::string model_name_;
    std::string displayed_model_name_;
    mutable std::mutex link_objects_mutex_;
    std::unique_ptr<CConnection> connection_;
    std::atomic<platform::MessageTarget*> status_window_{nullptr};
    std::atomic<platform::MessageTarget*> application_{nullptr};
};
