// The application object as the code without windows sees it: the flags and settings that the links,
// the logger objects and the data files read of it. Each program implements it; tests install a fake.
#pragma once

#include <array>
#include <atomic>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// Link kinds of a session.
inline constexpr int kLinkNone = 0;
inline constexpr int kLinkDirect = 1;
inline constexpr int kLinkModem = 2;
inline constexpr int kLinkNetwork = 3;

// The logger type code while no logger is recognised.
inline constexpr int kNoLogger = -1;

// Bit of the communication trace flags that sends the logger traffic to the communication log window.
inline constexpr int kCommTraceOn = 0x1;

// Values of the program's command line that the link and download code obey.
struct CCommandLineValues {
    int sendBlockSize = -1;  // "/u=": bytes per write to the link; -1 not given
    int preSendDelay = 0;    // "/s=": ms before a command is sent
    int postSendDelay = 0;   // "/t=": ms after a command was sent
    long firstRecord = 0;    // "/f=": first record of a partial download
    long lastRecord = 0;     // "/l=": last record of a partial download; 0 no range
    int skipReplyMode = 0;   // "/x=": non-zero skips the reply-mode commands of a download
};

class CAppContext {
public:
    // Flags set on one thread and polled on another (user interface, session, read threads).
    enum class Flag {
        Abort,               // stop the running logger operation: every wait, read and copy-out checks it
        FirmwareUpdateOpen,  // the firmware update window exists: replies are framed as text
        PortLost,            // the serial port of the link disappeared
        DownloadRunning,     // a record download is reading records
        ReplyModeLock,       // the reply mode is fixed: setting it sends nothing
        NoFarewell,          // the farewell command is not sent at disconnect
        CtrlShiftHeld,       // Ctrl and Shift were held when the user gave the running command
        ShiftHeld,           // Shift was held when the user gave the running command
        Disconnecting,       // the end-of-session routine runs: a cancel then only clears the busy flag
        Closing,             // the main window closes: an aborted command no longer undoes its change
        Count
    };

    virtual ~CAppContext();

    bool IsSet(Flag flag) const { return flags_[Index(flag)].load(); }
    void Set(Flag flag, bool on) { flags_[Index(flag)].store(on); }

    // kLinkNone while no session runs.
    int GetLinkKind() const { return link_kind_.load(); }
    void SetLinkKind(int kind) { link_kind_.store(kind); }

    // The connected logger's type code, kNoLogger when none is recognised. A program that keeps more
    // state on it (the protocol flag) overrides the setter and calls this one.
    int GetLoggerType() const { return logger_type_.load(); }
    virtual void SetLoggerType(int code) { logger_type_.store(code); }

    int GetCommTraceFlags() const { return comm_trace_flags_.load(); }
    void SetCommTraceFlags(int flags) { comm_trace_flags_.store(flags); }

    // The known-port array: ",<name>" for a port the port lists offer, "X,<name>" for one they hide.
    // The program loads and saves it with its settings; the links and the port dialogs share it.
    std::vector<std::string> GetKnownPorts() const;
    void SetKnownPorts(std::vector<std::string> entries);

    // A copy of the serial port (or modem) name of the link.
    virtual std::string GetPortName() const = 0;
    // The modem line setting ("ModemLineName" under "Modem Connect"): the device of the modem line;
    // "None" (the default) or a name no port has lets the line take the first modem that answers.
    virtual std::string GetModemLineName() const { return "None"; }
    // The default line frequency of new setup tables: "Auto", "60" or anything else for 50 Hz.
    virtual std::string GetDefaultSUTLineFreq() const = 0;
    // The user's short date format ("MM/dd/yy"), its date-order code (0-5) and time format ("HH:mm:ss"):
    // the program's formats (program_date_formats.h) unless a context keeps its own.
    virtual std::string GetShortDateFormat() const;
    virtual int GetDateOrder() const;
    virtual std::string GetTimeFormat() const;
    virtual CCommandLineValues GetCommandLineValues() const = 0;

    // Logger traffic for the communication log window, shown while kCommTraceOn is set.
    virtual void CommTrace(std::string_view text) = 0;
    // Received logger bytes for the terminal window, when one is open.
    virtual void SendTerminalText(std::string_view bytes) = 0;
    // Bytes sent to the logger, shown while kCommTraceOn is set; with the notes unless the program
    // tells them apart.
    virtual void ShowSentBytes(std::string_view bytes) { CommTrace(bytes); }

private:
    static constexpr std::size_t Index(Flag flag) { return static_cast<std::size_t>(flag); }

    std::array<std::atomic<bool>, static_cast<std::size_t>(Flag::Count)> flags_{};
    std::atomic<int> link_kind_{kLinkNone};
    std::atomic<int> logger_type_{kNoLogger};
    std::atomic<int> comm_trace_flags_{0};
    mutable std::mutex known_ports_mutex_;
    std::vector<std::string> known_ports_;
};

// The context the program installed at start (tests: in their fixture). Before that, and in tools
// without an application, a context with the defaults: no session, no logger, the program's formats.
CAppContext& GetAppContext();
// The caller keeps `context` alive until it is replaced; nullptr goes back to the defaults.
void SetAppContext(CAppContext* context);
