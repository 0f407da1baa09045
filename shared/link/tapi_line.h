// CTapiLine: a modem call on an AT modem line: dialling a logger (mode 1) or answering a logger that
// calls in (mode 2); EnumModemDevices lists the modem lines. The modem's reader hands its result lines
// to the thread that waits (the session thread), which turns them into call states; outcomes the user
// interface must see are posted to the application.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/unique_fd.h"
#include "platform/io/modem_line.h"
#include "platform/io/serial_port_source.h"
#include "shared/link/link_clock.h"
#include "shared/link/link_context.h"

class CConnectionModem;
class CSession;

class CTapiLine {
public:
    static constexpr int kModeDialOut = 1;
    static constexpr int kModeAnswer = 2;

    // Link-clock limits of the waits.
    static constexpr std::uint32_t kSetupTimeoutMs = 3000;    // "OK" to a setup command
    static constexpr std::uint32_t kDialTimeoutMs = 60000;    // the dialled call to connect
    static constexpr std::uint32_t kAnswerTimeoutMs = 60000;  // an answered call to connect
    static constexpr std::uint32_t kHangupTimeoutMs = 3000;   // the modem to confirm a hang-up

    // The device's rate when none is given (answer mode).
    static constexpr int kAnswerRate = 9600;

    // Why a call ended.
    enum DisconnectMode : std::uint32_t {
        LINEDISCONNECTMODE_NORMAL = 0x1,
        LINEDISCONNECTMODE_UNKNOWN = 0x2,
        LINEDISCONNECTMODE_BUSY = 0x20,
        LINEDISCONNECTMODE_NOANSWER = 0x40,
        LINEDISCONNECTMODE_NODIALTONE = 0x1000,
    };

    // `context.session` is the thread whose waits take the modem's results (nullptr: the caller's
    // thread waits alone); `context.app` gives the abort flag and the modem line name. The line is
    // used and destroyed on that thread.
    CTapiLine(int mode, const CLinkContext& context);
    virtual ~CTapiLine();
    CTapiLine(const CTapiLine&) = delete;
    CTapiLine& operator=(const CTapiLine&) = delete;

    // The clock of the waits; set before Create.
    void SetClock(const LinkClock& clock) { clock_ = &clock; }
    // Where the ports are listed from when the configured line name names none (default: udev).
    void SetPortSource(platform::SerialPortSource* source) { port_source_ = source; }

    // Chooses the modem line ("ModemLineName", else the first listed port where a modem answers "AT")
    // and keeps number and rate. 1 ready; 0 when there is none, told with an owner (8224).
    int Create(CConnectionModem* owner, std::string number, int baud);
    // Opens the line, checks that the modem takes "AT" and "ATE0V1", dials the number and waits for the
    // call: 1 connected. Unless the user aborted, a failure is told: the line in use (8225), held by
    // another program (8228), no data modem (8227), the call not made (8230 with the reason). An empty
    // number fails without a message.
    int DialCall();
    // Opens the line as DialCall does and leaves it waiting for a call: 1 ready. A "RING" then posts
    // WM_MODEM_CALL_OFFERED and is answered; the connected call posts WM_MODEM_CALL_CONNECTED.
    int OpenDeviceLine();
    // Answers the ringing call and waits for it to connect: 1 connected.
    int AnswerCall();
    // Ends the call (DTR low, then "ATH0" when the modem stays in the call); mode 1 closes the device,
    // mode 2 keeps it for the next call. 1.
    int HangupCall();
    // HangupCall, then the device is closed. 1.
    int ShutdownTAPI();
    // Writes the call's negotiated rate into the owner (for a bare "CONNECT" the configured rate, or
    // kAnswerRate when none was given).
    void GetNegotiatedRate();
    // The modem lines: the serial ports of the machine. 1 listed.
    static int EnumModemDevices(std::vector<std::string>& names);
    static int EnumModemDevices(std::vector<std::string>& names, platform::SerialPortSource& source);

    // Waits for the awaited result or a final call state, up to `timeoutMs` of the link clock: the
    // reply (0 success, a disconnect mode), 1 when aborted or timed out.
    std::int32_t WaitForReply(std::uint32_t timeoutMs);
    // 1 only for 0; any other errno is traced.
    int HandleLineErr(int error);
    // On the waiting thread: turns the results the reader handed over into call states. The payload of
    // WM_MODEM_LINE_EVENT, which the session runs, calls it.
    void HandlePendingResults();

    // The descriptor of the connected call's device for CSerialPort::Attach, which the caller then
    // owns; -1 when there is none or it was taken.
    int TakeCommHandle();
    // The connected call's device stopped: the far end hung up or the device went (any thread).
    void OnCarrierLost();

    bool IsLineInUse() const { return m_bLineInUse; }
    bool IsCallConnected() const { return m_bCallConnected; }
    const std::string& GetDeviceName() const { return device_name_; }
    const std::string& GetLastMessage() const { return m_strLastMessage; }
    // Why the last call ended (a DisconnectMode); 0 while no call has ended.
    std::uint32_t GetLastDisconnectMode() const { return last_disconnect_mode_; }
    int GetMode() const { return m_nMode; }

private:
    struct Inbox;

    // Hands one result from the reader to the waiting thread (any thread).
    static void Deliver(const std::shared_ptr<Inbox>& inbox, CSession* session,
                        const platform::ModemReply& reply);
    std::int32_t Wait(std::uint32_t timeoutMs, bool endsOnAbort);
    // The rate the device runs at.
    int LineRate() const;
    bool ChooseDevice();
    bool ProbeDevice(const std::string& device);
    // 0 when open, else the errno.
    int OpenDevice(const std::string& device);
    void CloseDevice();
    // Opens the chosen line for a call and checks that the modem takes the setup commands.
    bool OpenLine(const char* caller);
    // Sends a setup command and waits for its "OK".
    bool SendSetup(const std::string& command);
    void HandleResult(const platform::ModemReply& reply);
    void OnOffered();
    void OnConnected(int rate);
    void OnDisconnected(std::uint32_t mode);
    void PostStatus(const std::string& text) const;
    // Posts to the application when `modeFilter` is 0 or this line's mode.
    void PostToApplication(unsigned message, std::uintptr_t wParam, int modeFilter) const;
    bool IsAborted() const;

    const int m_nMode;
    const CLinkContext context_;
    const LinkClock* clock_ = &RealLinkClock();
    platform::SerialPortSource* port_source_ = nullptr;
    std::shared_ptr<Inbox> inbox_;
    std::unique_ptr<platform::ModemLine> modem_;
    platform::UniqueFd m_hComm;  // the connected call's device until the connection takes it
    bool handed_over_ = false;   // the connection reads the device, not the line
    CConnectionModem* m_pOwner = nullptr;
    std::string m_strLineName;
    std::string device_name_;
    std::string m_strNumber;
    std::string m_strLastMessage;
    std::uint32_t last_disconnect_mode_ = 0;
    int m_dwBaudRate = 0;
    int m_nConnectRate = 0;
    std::int32_t m_lAsyncReply = 0;
    bool m_bReplyReceived = false;
    bool awaiting_ok_ = false;
    bool waiting_ = false;
    bool m_bStoppingCall = false;
    bool m_bLineInUse = false;
    bool call_active_ = false;
    bool m_bCallConnected = false;
};
