// CConnection: the link to one logger and the one road of every logger command: wake-up, echo or
// line mode, prompt framing, retries and time-outs, over the send queue and one byte transport whose
// reader fills the receive buffer. The kinds of link choose the transport and the steps that open it.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/message_target.h"
#include "platform/io/byte_transport.h"
#include "shared/link/lamp_notices.h"
#include "shared/link/link_clock.h"
#include "shared/link/link_context.h"
#include "shared/link/link_traits.h"
#include "shared/link/receive_buffer.h"

class CAppContext;
class CSerialPort;
class CSession;

// Nominal time-outs of the callers (DoCommand maps them to the reply time-outs).
inline constexpr int TIMEOUT_2000 = 2000;
inline constexpr int TIMEOUT_4000 = 4000;
inline constexpr int TIMEOUT_16000 = 16000;

class CConnection : private platform::ByteReceiver {
public:
    // Called about every 100 ms while a command waits (the download's progress).
    using WaitCallback = std::function<void()>;

    static constexpr int kTxCapacity = 2048;
    static constexpr int kDefaultCommandLimit = 70;
    static constexpr std::uint32_t kWakeWindowMs = 10000;

    // `context.app` must outlive the connection.
    CConnection(int linkKind, const LinkTraits& traits, const CLinkContext& context);
    ~CConnection() override;
    CConnection(const CConnection&) = delete;
    CConnection& operator=(const CConnection&) = delete;

    // Opens the transport; each kind calls this base first. 1 success.
    virtual int Create();
    // Binds a transport obtained elsewhere (the modem call's port).
    virtual int AttachPort() = 0;
    // Makes sure a logger answers.
    virtual int Establish() = 0;
    // Stops the reader and closes the transport.
    void CloseLink();
    // Our own end of the link: it is closed, and a kind that holds a call drops the call as well, with
    // no message and no end-of-session post. 1.
    virtual int HangupCall();

    // Sends one command and waits for its reply: 1 when the reply came (it is then in the receive
    // buffer, from its first byte up to and including the prompt), 0 on failure.
    int DoCommand(std::string_view command, int nTimeout, const WaitCallback& pfnWait = {});
    // Writes one command without waiting; 0 when a command is active or the write failed.
    int SendCommand(std::string_view text, std::uint32_t dwTimeout);
    // With waitMs 0 waits for the current command, else for waitMs; takes a cancel meanwhile.
    void WaitMsgPump(const WaitCallback& pfnWait, std::uint32_t waitMs, bool reportTimeout);
    int WakeLogger(bool bForce);
    int IsGoodConnection(int nTimeout);
    // 0 sent, 2 the write failed, 1 another escape is in progress.
    int SendEscape();
    int IdentifyLogger();

    // Copies min(maxBytes, received) bytes without a terminator; 0 when aborted or nothing is there.
    int CopyReply(char* dst, int maxBytes) const;
    int DoCommandGetText(std::string_view command, std::string& reply, int nTimeout,
                         const WaitCallback& pfnWait = {});
    // The number of "CONFIGURATION=%d", -1 on any failure.
    int ReadConfigurationWord();
    void ClearReceiveBuffer();
    void RemoveFromFront(int n);
    std::uint32_t GetIdleTime() const;

    // The byte level below the command routine. 0 when nothing was sent: no link, more than the send
    // queue holds (kTxCapacity), or a failed write.
    int SendBytes(const char* data, int n);
    int SendQueuedData();
    bool SendBinaryBlock(const char* data, int n);
    void KickLogger();
    void SendNullAndEscape();
    // The reader's hook after each piece taken into the receive buffer: 1 go on, 0 stop.
    int OnDataReceived(const char* data, int n);

    // Where the status notices go (the main window); nullptr posts nothing.
    void SetMainWindow(platform::MessageTarget* mainWindow) { main_window_ = mainWindow; }
    // The clock of the link's waits and time-outs; set before Create.
    void SetClock(const LinkClock& clock) { clock_ = &clock; }
    const LinkClock& Clock() const { return *clock_; }
    // Posts WM_LINK_STATUS with `code` and an owned copy of `text` (none: lParam 0); a lamp's notice only
    // while the window holds none of that lamp (CLampNotices).
    void PostStatusMessage(unsigned code, std::optional<std::string> text = std::nullopt) const;

    char GetReplyMode() const;
    // A mode other than 'B' also clears the block reply length.
    void SetReplyMode(char mode);
    // The mode the logger was last put in, whatever GetReplyMode reads while the firmware window is open:
    // what an escape ends and must be asked for again.
    char GetLoggerReplyMode() const { return m_chReplyMode.load(); }
    int GetBlockReplyLength() const { return m_nBlockReplyLength.load(); }
    void SetBlockReplyLength(int length) { m_nBlockReplyLength.store(length); }
    int GetCommandLimit() const { return m_nCommandLimit; }
    void SetCommandLimit(int limit) { m_nCommandLimit = limit; }
    int GetLinkKind() const { return m_nLinkKind; }
    int GetBaudRate() const { return m_nBaud; }
    // The rate the logger was told to use; SetPortBaud puts the port on it.
    void SetBaudRate(int rate) { m_nBaud = rate; }
    // A text (a password's field) that the trace and the communication log show as asterisks wherever
    // it stands in what is sent and echoed; empty for none.
    void SetTraceSecret(std::string secret);
    int GetConnectRate() const { return m_nConnectRate; }
    void SetConnectRate(int rate) { m_nConnectRate = rate; }
    const std::string& GetFirmwareVersion() const { return m_szFirmwareVersion; }
    // Keeps at most 9 characters, up to the first NUL.
    void SetFirmwareVersion(std::string_view text);
    int GetReceivedCount() const { return static_cast<int>(rx_buffer_.Count()); }
    // Bytes of the queued command written so far (0 once it is all out).
    int GetSentCount() const;
    std::string GetReceivedText() const { return rx_buffer_.Text(); }
    platform::ByteTransport* GetTransport() const { return transport_.get(); }
    // What the link was given when it was made: the logger objects on it serve the same session and
    // application.
    CSession* GetSession() const { return context_.session; }
    CAppContext& GetApp() const { return *context_.app; }
    bool IsResettingLogger() const { return m_bResettingLogger.load(); }
    void SetResettingLogger(bool on) { m_bResettingLogger.store(on); }
    bool IsEstablishing() const { return m_bEstablishing; }
    bool IsSessionEnded() const { return m_bSessionEnded; }
    void SetSessionEnded(bool ended) { m_bSessionEnded = ended; }
    void SetQuietShutdown(bool quiet) { m_bQuietShutdown = quiet; }
    void SetStatusText(std::string text) { m_strStatus = std::move(text); }
    const std::string& GetStatusText() const { return m_strStatus; }
    int SetPortBaud(int baud);
    int GetEchoStatus() const { return m_nEchoStatus; }
    int GetRetries() const { return m_nRetries; }
    // Ends a wait of the command routine from another thread (the end of a session).
    void EndWait();
    // The reader ended without being asked: the device went away, the far end closed, reading failed
    // or, where that ends the link, the receive buffer overflowed. A waiting command then fails.
    bool IsLinkLost() const { return link_lost_.load(); }
    // Why: the errno of the end (ECONNRESET the far end closed, ENOBUFS an overflow); 0 while up.
    int GetLinkLostError() const { return link_lost_error_.load(); }

protected:
    CSession* ActiveSession() const { return context_.session; }
    CAppContext& App() const { return *context_.app; }
    bool IsAborted() const;
    // Sets up a serial port for the link: no flow control, the link's buffer sizes, reads that return at
    // once and writes that give up after 1000 ms. False when the port refused a setting.
    static bool SetUpLinkPort(CSerialPort& port);
    // Takes the transport that the kind opened; StartReader starts reading it.
    void SetTransport(std::unique_ptr<platform::ByteTransport> transport);
    bool StartReader();
    // On the reader thread, once the link is lost: the line the status window shows (empty: one was
    // told already), then what the kind records of it.
    virtual std::string LostLinkNotice(int error) const;
    virtual void OnLinkLost(int error);
    // Tells the main window that a link starts to open (WM_LINK_OPENING).
    void PostLinkOpening() const;
    // The notices of an establish in progress: "connecting" as the label and the status, then
    // "connecting (to <target>)" (the address or the number called).
    void PostConnectingNotices(const std::string& target);
    // A trace-log line that the communication log window shows as well.
    void CommTrace(std::string_view text) const;
    std::string m_strStatus;
    std::string m_strNotice;
    std::string m_strWakeStatus;
    std::string m_strBaudText;
    const int m_nLinkKind;
    int m_nBaud = 0;
    int m_nConnectRate = 0;
    std::string m_szFirmwareVersion;
    bool m_bEstablishing = false;
    bool m_bSessionEnded = false;

private:
    // What CheckCommandStatus leaves to be done once the wait is over: an escape never runs inside
    // a wait, because in line mode it sends a command of its own.
    enum class AfterWait { Nothing, EscapeAfterBadEcho, EscapeAndRetry, EscapeAndFail };
    // The state of a command that a nested "R!F" must not disturb.
    struct CommandState {
        int echoStatus;
        int retries;
        bool result;
        bool shuttingDown;
    };

    // The transport's reader.
    std::size_t ReceiveRoom() override;
    bool OnBytes(std::span<const std::uint8_t> bytes) override;
    void OnReaderEnded(int error) override;
    void LoseLink(int error);

    void CheckCommandStatus();
    void OnReplyTimeout();
    // WaitMsgPump for the current command, then the escape it asked for.
    void WaitForCommand(const WaitCallback& pfnWait);
    void RunEscapeAfterWait();
    bool FirmwareTakesDle() const;
    // Abandons what the queue holds and writes one control byte straight to the transport.
    bool WriteControlByte(std::uint8_t byte);
    // Bytes written to the transport.
    int WriteTransport(const std::uint8_t* data, int n);
    bool HasTransport() const { return transport_ != nullptr; }
    void TraceSentBytes(const char* data, int n) const;
    std::string TraceSecret() const;
    // Received bytes for the communication log, the echo of masked bytes masked.
    std::string ShownEcho(const char* data, int n);
    // Sent bytes for the communication log window, while its trace is on.
    void ShowSent(std::string_view bytes) const;
    void WakeWaiter();
    CommandState SaveCommandState() const;
    void RestoreCommandState(const CommandState& state);

    const LinkTraits traits_;
    const CLinkContext context_;
    const LinkClock* clock_ = &RealLinkClock();
    platform::MessageTarget* main_window_ = nullptr;
    CLampNotices lamp_notices_;
    std::unique_ptr<platform::ByteTransport> transport_;

    ReceiveBuffer rx_buffer_;
    std::atomic<char> m_chReplyMode{'H'};
    std::atomic<int> m_nBlockReplyLength{0};

    // The send queue; the mutex makes a second sender wait for the first.
    mutable std::mutex send_mutex_;
    std::vector<std::uint8_t> m_pTxQueue;
    // The queue as the communication log shows it, the trace secret masked.
    std::string shown_tx_;
    int shown_echo_ = 0;  // bytes of the queue whose echo came
    std::string trace_secret_;
    int m_nTxCount = 0;
    int m_nTxPos = 0;
    int echo_count_ = 0;  // echoed bytes (NULs not counted) since the queue was filled
    bool m_bSending = false;

    std::atomic<std::uint32_t> m_dwLastSendTick;
    std::uint32_t m_dwLastWakeTick = 0;
    std::uint32_t m_dwReplyTimeout = 0;
    std::atomic<bool> m_bWaitDone{false};
    std::atomic<bool> m_bCommandActive{false};
    std::atomic<bool> m_bEchoDone{false};
    bool m_bReplyComplete = false;
    bool m_bCommandResult = false;
    std::string m_strLastCommand;
    int m_nCommandLimit = kDefaultCommandLimit;
    int m_nEchoStatus = 0;
    int m_nRetries = 0;
    std::atomic<bool> m_bResettingLogger{false};
    bool m_bShuttingDownLogger = false;
    bool m_bQuietShutdown = false;
    bool escaping_ = false;
    AfterWait after_wait_ = AfterWait::Nothing;

    // The room the reader was last offered; the reader's alone.
    std::size_t offered_room_ = 0;
    // The room was closed by an abort, not by a full buffer (reader thread only).
    bool offered_while_aborted_ = false;
    std::atomic<bool> link_lost_{false};
    std::atomic<int> link_lost_error_{0};
    std::atomic<std::uint64_t> data_generation_{0};
    std::atomic<CSession*> waiting_session_{nullptr};
};
