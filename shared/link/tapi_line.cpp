// The modem call: choosing the modem line, dialling and answering, the result lines turned into call
// states on the waiting thread, and the hang-up.
#include "shared/link/tapi_line.h"

#include <errno.h>
#include <string.h>

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <utility>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/ui_broker.h"
#include "shared/common/app_context.h"
#include "shared/common/trace_log.h"
#include "shared/link/connection_modem.h"
#include "shared/link/enum_serial_ports.h"
#include "shared/link/link_ids.h"
#include "shared/link/link_texts.h"
#include "shared/link/port_names.h"
#include "shared/link/session.h"

namespace {

// The longest real-time slice of a wait, so that the link clock's time-out is looked at often.
constexpr std::chrono::milliseconds kWaitSlice{50};
// The quiet time around the escape to command mode.
constexpr std::uint32_t kEscapeGuardMs = 1000;
constexpr std::int32_t kReplyAborted = 1;
constexpr std::int32_t kReplyFailed = -1;

// Tells the user of a modem line error: a message box with the line's own caption.
void ShowTapiError(const std::string& text) {
    platform::CurrentUiBroker().MessageBox(text, LoadText(IDS_MODEM_ERROR_CAPTION),
                                           MB_OK | MB_ICONEXCLAMATION);
}

std::string DisconnectText(std::uint32_t mode) {
    static constexpr std::pair<std::uint32_t, unsigned> kReasons[] = {
        {CTapiLine::LINEDISCONNECTMODE_NORMAL, IDS_MODEM_FAR_END_HUNG_UP},
        {CTapiLine::LINEDISCONNECTMODE_UNKNOWN, IDS_MODEM_UNKNOWN_END},
        {CTapiLine::LINEDISCONNECTMODE_BUSY, IDS_MODEM_BUSY},
        {CTapiLine::LINEDISCONNECTMODE_NOANSWER, IDS_MODEM_NO_ANSWER},
        {CTapiLine::LINEDISCONNECTMODE_NODIALTONE, IDS_MODEM_NO_DIALTONE},
    };
    unsigned why = IDS_MODEM_CALL_NOT_COMPLETED;
    for (const auto& [reason, id] : kReasons) {
        if (reason == mode) {
            why = id;
        }
    }
    return FormatLinkText(IDS_MODEM_CALL_ENDED, {LoadText(why)});
}

}  // namespace

// What the modem's reader hands to the waiting thread. Shared with the messages posted to the session,
// which find the line gone when it was destroyed before they ran.
struct CTapiLine::Inbox {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<platform::ModemReply> results;
    CTapiLine* line = nullptr;  // only read and cleared on the waiting thread
};

CTapiLine::CTapiLine(int mode, const CLinkContext& context)
    : m_nMode(mode), context_(context), inbox_(std::make_shared<Inbox>()) {
    inbox_->line = this;
}

CTapiLine::~CTapiLine() {
    ShutdownTAPI();
    inbox_->line = nullptr;
}

int CTapiLine::EnumModemDevices(std::vector<std::string>& names) {
    platform::UdevSerialPortSource source;
    return EnumModemDevices(names, source);
}

int CTapiLine::EnumModemDevices(std::vector<std::string>& names, platform::SerialPortSource& source) {
    names.clear();
    EnumSerialPorts(names, source);
    return 1;
}

int CTapiLine::Create(CConnectionModem* owner, std::string number, int baud) {
    m_pOwner = owner;
    m_strLineName = context_.app != nullptr ? context_.app->GetModemLineName() : "None";
    if (!device_name_.empty()) {
        return 1;
    }
    m_dwBaudRate = baud;
    if (!ChooseDevice()) {
        if (owner != nullptr) {
            ShowTapiError(LoadText(IDS_MODEM_NO_LINE));
        }
        return 0;
    }
    Trace("CTapiLine::Create(): modem line " + device_name_ + " chosen.");
    m_strNumber = std::move(number);
    return 1;
}

bool CTapiLine::ChooseDevice() {
    std::vector<std::string> names;
    if (port_source_ != nullptr) {
        EnumModemDevices(names, *port_source_);
    } else {
        EnumModemDevices(names);
    }
    const std::string wanted = TrimAtFirstSpace(m_strLineName);
    const bool listed = std::any_of(names.begin(), names.end(), [&](const std::string& name) {
        return TrimAtFirstSpace(name) == wanted;
    });
    if (listed || (!wanted.empty() && wanted.front() == '/')) {
        device_name_ = wanted;
        return true;
    }
    // The running direct link's port is never probed: a modem command would reach its logger.
    const std::string linkPort = context_.app != nullptr && context_.app->GetLinkKind() == kLinkDirect
                                     ? TrimAtFirstSpace(context_.app->GetPortName())
                                     : std::string();
    for (const std::string& name : names) {
        const std::string device = TrimAtFirstSpace(name);
        if (device != linkPort && ProbeDevice(device)) {
            device_name_ = device;
            return true;
        }
    }
    return false;
}

bool CTapiLine::ProbeDevice(const std::string& device) {
    const bool answered = OpenDevice(device) == 0 && SendSetup("AT");
    Trace("CTapiLine: probing " + device + (answered ? ": a modem answers." : ": no modem."));
    CloseDevice();
    return answered;
}

int CTapiLine::OpenDevice(const std::string& device) {
    auto modem = std::make_unique<platform::ModemLine>(
        [inbox = inbox_, session = context_.session](const platform::ModemReply& reply) {
            Deliver(inbox, session, reply);
        },
        [](const std::string& line) { Trace(line); });
    const int error = modem->Open(device, LineRate());
    if (error == 0) {
        modem_ = std::move(modem);
        handed_over_ = false;
    }
    return error;
}

void CTapiLine::Deliver(const std::shared_ptr<Inbox>& inbox, CSession* session,
                        const platform::ModemReply& reply) {
    {
        std::lock_guard lock(inbox->mutex);
        inbox->results.push_back(reply);
    }
    inbox->changed.notify_all();
    if (session == nullptr) {
        return;
    }
    // A wait in progress looks again (the post wakes it); outside a wait the session runs the message's
    // payload.
    std::function<void()> handle = [weak = std::weak_ptr<Inbox>(inbox)] {
        if (auto alive = weak.lock(); alive && alive->line != nullptr) {
            alive->line->HandlePendingResults();
        }
    };
    session->Post(platform::Message(WM_MODEM_LINE_EVENT, 0, platform::MakePayload(std::move(handle))));
}

int CTapiLine::LineRate() const {
    return m_dwBaudRate > 0 ? m_dwBaudRate : kAnswerRate;
}

void CTapiLine::CloseDevice() {
    modem_.reset();
    m_hComm.Reset();
    handed_over_ = false;
}

bool CTapiLine::OpenLine(const char* caller) {
    if (m_bLineInUse) {
        ShowTapiError(LoadText(IDS_MODEM_LINE_IN_USE));
        return false;
    }
    if (device_name_.empty()) {
        Trace(std::string(caller) + "TAPI not properly initialized");
        return false;
    }
    m_bLineInUse = true;
    if (modem_ != nullptr) {
        return true;
    }
    const int error = OpenDevice(device_name_);
    if (error == EBUSY) {
        ShowTapiError(LoadText(IDS_MODEM_LINE_HELD));
    } else if (error != 0) {
        HandleLineErr(error);
        Trace(std::string(caller) + "Unable to Use Line");
    } else if (!SendSetup("AT") || !SendSetup("ATE0V1")) {
        if (!IsAborted()) {
            ShowTapiError(LoadText(IDS_MODEM_NOT_DATA_MODEM));
        }
    } else {
        return true;
    }
    CloseDevice();
    m_bLineInUse = false;
    return false;
}

bool CTapiLine::SendSetup(const std::string& command) {
    awaiting_ok_ = true;
    const bool sent = modem_ != nullptr && modem_->Send(command);
    const bool ok = sent && WaitForReply(kSetupTimeoutMs) == 0;
    awaiting_ok_ = false;
    return ok;
}

int CTapiLine::DialCall() {
    // Nothing to dial: the device is not even opened.
    if (m_strNumber.empty() && !m_bLineInUse) {
        Trace("DialCall(): no number to dial");
        return 0;
    }
    if (!OpenLine("DialCall(): ")) {
        return 0;
    }
    m_strLastMessage.clear();
    Trace("HandleLineCallState(): Dialing " + m_strNumber);
    PostStatus(FormatLinkText(IDS_MODEM_DIALING, {m_strNumber}));
    call_active_ = true;
    std::int32_t reply = modem_->Send("ATD" + m_strNumber) ? WaitForReply(kDialTimeoutMs) : kReplyFailed;
    if (reply == 0) {
        Trace("DialCall(): MakeTheCall() succeeded.");
        return 1;
    }
    if (reply == kReplyAborted) {
        Trace("MakeTheCall(): While Dialing, WaitForReply aborted.");
    }
    // A modem that never answered leaves no reason of its own.
    if (m_strLastMessage.empty()) {
        m_strLastMessage = DisconnectText(0);
    }
    if (!IsAborted()) {
        ShowTapiError(FormatLinkText(IDS_MODEM_CALL_FAILED, {m_strLastMessage}));
    }
    Trace("DialCall(): MakeTheCall() failed.");
    HangupCall();
    m_bLineInUse = false;
    return 0;
}

int CTapiLine::OpenDeviceLine() {
    return OpenLine("OpenDeviceLine(): ") ? 1 : 0;
}

int CTapiLine::AnswerCall() {
    if (modem_ == nullptr || !modem_->Send("ATA")) {
        return 0;
    }
    call_active_ = true;
    const std::int32_t reply = WaitForReply(kAnswerTimeoutMs);
    if (reply == kReplyAborted) {
        Trace("AnswerCall(): While Answering, WaitForReply() aborted.");
        return 0;
    }
    return reply == 0 ? 1 : 0;
}

int CTapiLine::HangupCall() {
    if (m_bStoppingCall || !m_bLineInUse) {
        return 1;
    }
    m_bStoppingCall = true;
    Trace("HangupCall(): Stopping Call in progress");
    if (handed_over_ && modem_ != nullptr) {
        m_hComm.Reset();
        handed_over_ = false;
        modem_->Resume();
    }
    if ((call_active_ || m_bCallConnected) && modem_ != nullptr) {
        // DTR low ends the call; a modem that stays in the call is escaped and told to hang up.
        modem_->SetDtr(false);
        // These waits hold on after the user's abort: the call must end all the same.
        const bool ended = Wait(kHangupTimeoutMs, false) != kReplyAborted;
        modem_->SetDtr(true);
        if (!ended) {
            // The escape's "OK" comes once the modem's guard time is over; then "ATH0" is answered.
            clock_->Sleep(kEscapeGuardMs);
            modem_->SendRaw("+++");
            Wait(kEscapeGuardMs + kHangupTimeoutMs, false);
            modem_->Send("ATH0");
            Wait(kHangupTimeoutMs, false);
        }
        Trace("HangupCall(): Call Deallocated.");
    }
    if (m_nMode != kModeAnswer) {
        CloseDevice();
        m_bLineInUse = false;
        Trace("HangupCall(): Line Closed.");
    }
    call_active_ = false;
    m_bCallConnected = false;
    m_bStoppingCall = false;
    Trace("HangupCall(): Call stopped");
    return 1;
}

int CTapiLine::ShutdownTAPI() {
    HangupCall();
    CloseDevice();
    m_bLineInUse = false;
    m_bCallConnected = false;
    call_active_ = false;
    Trace("ShutdownTAPI(): TAPI uninitialized.");
    return 1;
}

void CTapiLine::GetNegotiatedRate() {
    if (m_pOwner != nullptr) {
        m_pOwner->SetConnectRate(m_nConnectRate > 0 ? m_nConnectRate : LineRate());
    }
}

int CTapiLine::TakeCommHandle() {
    return m_hComm.Release();
}

void CTapiLine::OnCarrierLost() {
    Deliver(inbox_, context_.session, platform::ModemReply{platform::ModemResult::NoCarrier, 0});
}

std::int32_t CTapiLine::WaitForReply(std::uint32_t timeoutMs) {
    return Wait(timeoutMs, true);
}

std::int32_t CTapiLine::Wait(std::uint32_t timeoutMs, bool endsOnAbort) {
    m_bReplyReceived = false;
    m_lAsyncReply = kReplyAborted;
    const std::uint32_t start = clock_->Now();
    const auto done = [this, endsOnAbort] {
        HandlePendingResults();
        return m_bReplyReceived || (endsOnAbort && IsAborted());
    };
    // A ring meanwhile is left to ring again: an answer is never started inside another wait.
    struct WaitingFlag {
        bool& flag;
        const bool before = std::exchange(flag, true);
        ~WaitingFlag() { flag = before; }
    } waiting{waiting_};
    while (!done()) {
        const std::uint32_t elapsed = clock_->Now() - start;
        if (elapsed >= timeoutMs) {
            Trace("WaitForReply(): no reply from the modem in time");
            return kReplyAborted;
        }
        const auto slice = std::min(clock_->RealDuration(timeoutMs - elapsed), kWaitSlice);
        if (context_.session != nullptr) {
            if (context_.session->WaitForLink(done, slice) == platform::WaitResult::Stopped) {
                return kReplyAborted;
            }
        } else {
            std::unique_lock lock(inbox_->mutex);
            inbox_->changed.wait_for(lock, slice, [this] { return !inbox_->results.empty(); });
        }
    }
    return m_bReplyReceived ? m_lAsyncReply : kReplyAborted;
}

int CTapiLine::HandleLineErr(int error) {
    if (error == 0) {
        return 1;
    }
    Trace(std::string("HandleLineErr(): modem line error: ") + ::strerror(error));
    return 0;
}

void CTapiLine::HandlePendingResults() {
    for (;;) {
        platform::ModemReply reply;
        {
            std::lock_guard lock(inbox_->mutex);
            if (inbox_->results.empty()) {
                return;
            }
            reply = inbox_->results.front();
            inbox_->results.pop_front();
        }
        HandleResult(reply);
    }
}

void CTapiLine::HandleResult(const platform::ModemReply& reply) {
    using platform::ModemResult;
    if (m_bStoppingCall) {
        // Our own hang-up: the modem confirms it; nothing of it is shown.
        if (reply.result == ModemResult::Ok || reply.result == ModemResult::NoCarrier) {
            Trace("HandleLineCallState(): Line idle");
            m_lAsyncReply = 0;
            m_bReplyReceived = true;
        }
        return;
    }
    if (awaiting_ok_ && (reply.result == ModemResult::Ok || reply.result == ModemResult::Error)) {
        m_lAsyncReply = reply.result == ModemResult::Ok ? 0 : kReplyFailed;
        m_bReplyReceived = true;
        return;
    }
    switch (reply.result) {
        case ModemResult::Connect:
            if (call_active_) {
                OnConnected(reply.rate);
            }
            break;
        case ModemResult::Busy:
            Trace("HandleLineCallState(): Line busy, shutting down");
            OnDisconnected(LINEDISCONNECTMODE_BUSY);
            break;
        case ModemResult::NoDialtone:
            OnDisconnected(LINEDISCONNECTMODE_NODIALTONE);
            break;
        case ModemResult::NoAnswer:
            OnDisconnected(LINEDISCONNECTMODE_NOANSWER);
            break;
        case ModemResult::NoCarrier:
            // Before the connection the call was never answered; after it the far end hung up.
            if (m_bCallConnected) {
                OnDisconnected(LINEDISCONNECTMODE_NORMAL);
            } else if (call_active_) {
                OnDisconnected(LINEDISCONNECTMODE_NOANSWER);
            }
            break;
        case ModemResult::Error:
            Trace("lineCallbackFunc(): the modem refused a request");
            PostToApplication(WM_MODEM_LINE_ERROR, 0, 0);
            break;
        case ModemResult::Ring:
            OnOffered();
            break;
        case ModemResult::Ok:
            break;
    }
}

void CTapiLine::OnOffered() {
    Trace("HandleLineCallState(): Incomming Call");
    if (m_nMode != kModeAnswer || !m_bLineInUse || call_active_ || m_bCallConnected || waiting_) {
        return;
    }
    PostToApplication(WM_MODEM_CALL_OFFERED, 0, kModeAnswer);
    Trace("HandleLineCallState(): Answering Incomming Call");
    if (!AnswerCall()) {
        HangupCall();
        Trace("HandleLineCallState(): Error in AnswerCall()");
    }
}

void CTapiLine::OnConnected(int rate) {
    Trace("HandleLineCallState(): Connected! - Getting COMM Port Handle");
    if (m_bCallConnected) {
        return;
    }
    m_bCallConnected = true;
    m_nConnectRate = rate;
    m_hComm.Reset(modem_->HandOver());
    handed_over_ = true;
    if (!m_hComm.Valid()) {
        HangupCall();
        Trace("HandleLineCallState(): Failed to connect");
        return;
    }
    Trace("HandleLineCallState(): Modems Connected - Starting Logger Communications!");
    PostStatus(LoadText(IDS_MODEM_CONNECTED));
    m_lAsyncReply = 0;
    m_bReplyReceived = true;
    PostToApplication(WM_MODEM_CALL_CONNECTED, 0, kModeAnswer);
}

void CTapiLine::OnDisconnected(std::uint32_t mode) {
    const std::string text = DisconnectText(mode);
    Trace(text);
    const bool farEndHungUp = mode == LINEDISCONNECTMODE_NORMAL && m_bCallConnected;
    m_strLastMessage = text;
    last_disconnect_mode_ = mode;
    PostStatus(text);
    m_lAsyncReply = static_cast<std::int32_t>(mode);
    m_bReplyReceived = true;
    call_active_ = false;
    m_bCallConnected = false;
    if (farEndHungUp) {
        if (m_pOwner != nullptr) {
            m_pOwner->SetNormalDisconnect(true);
        }
        ShowTapiError(text);
        PostToApplication(WM_END_SESSION, 1, 0);
    }
}

void CTapiLine::PostStatus(const std::string& text) const {
    if (m_pOwner != nullptr) {
        m_pOwner->PostStatusMessage(STATUS_TEXT, text);
    }
}

void CTapiLine::PostToApplication(unsigned message, std::uintptr_t wParam, int modeFilter) const {
    if (context_.session != nullptr && (modeFilter == 0 || modeFilter == m_nMode)) {
        context_.session->PostToApplication(platform::Message(message, wParam));
    }
}

bool CTapiLine::IsAborted() const {
    return context_.app != nullptr && context_.app->IsSet(CAppContext::Flag::Abort);
}
