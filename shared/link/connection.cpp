// CConnection: life cycle, notices, the command routine and its waits, identification.
#include "shared/link/connection.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/base/program_texts.h"
#include "platform/io/serial_port.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/link_ids.h"
#include "shared/link/link_texts.h"
#include "shared/link/reply_framing.h"
#include "shared/link/session.h"

namespace {

constexpr int kMaxAttempts = 3;
constexpr std::uint32_t kPollTurnMs = 100;
constexpr std::uint32_t kRetryPauseMs = 50;
constexpr std::uint32_t kEscapeSettleMs = 1000;
constexpr std::uint32_t kWakeRetryPauseMs = 100;
constexpr std::uint32_t kWakeTimeoutMs = 15000;
constexpr int kFirstQuarvenType = 13;
constexpr std::size_t kConfigurationReplyMax = 511;
constexpr char kEscape = 0x1B;
constexpr char kDle = 0x10;

}  // namespace

CConnection::CConnection(int linkKind, const LinkTraits& traits, const CLinkContext& context)
    : m_nLinkKind(linkKind), traits_(traits), context_(context), m_dwLastSendTick(RealLinkClock().Now()) {}

CConnection::~CConnection() {
    CloseLink();
}

int CConnection::Create() {
    m_dwLastSendTick.store(Clock().Now());
    m_pTxQueue.assign(kTxCapacity, 0);
    m_nTxCount = 0;
    m_nTxPos = 0;
    rx_buffer_.Clear();
    return 1;
}

void CConnection::SetTransport(std::unique_ptr<platform::ByteTransport> transport) {
    CloseLink();
    transport_ = std::move(transport);
}

bool CConnection::StartReader() {
    link_lost_.store(false);
    link_lost_error_.store(0);
    return transport_ && transport_->StartReading(*this);
}

void CConnection::CloseLink() {
    if (transport_ && !transport_->Close()) {
        // The program goes on without it; the reader checks its stop before it hands on any more bytes.
        CommTrace("CloseLink(): the read thread did not end; its transport is kept");
        platform::KeepWhileItsReaderRuns(std::move(transport_));
    }
}

int CConnection::HangupCall() {
    CloseLink();
    return 1;
}

bool CConnection::SetUpLinkPort(CSerialPort& port) {
    return port.SetFlowControl(0, 100, 100, 0x11, 0x13) && port.SetReadTimeouts(MAXDWORD, 0, 0) &&
           port.SetWriteTimeouts(0, 1000);
}

bool CConnection::IsAborted() const {
    return App().IsSet(CAppContext::Flag::Abort);
}

void CConnection::CommTrace(std::string_view text) const {
    // The trace log keeps the line; the communication log window shows it while that trace is on.
    Trace(text);
    App().CommTrace(text);
}

void CConnection::PostStatusMessage(unsigned code, std::optional<std::string> text) const {
    if (main_window_ == nullptr) {
        return;
    }
    if (!text && CLampNotices::IsLamp(code)) {
        lamp_notices_.Post(*main_window_, code);
        return;
    }
    platform::Message message;
    message.id = WM_LINK_STATUS;
    message.wParam = code;
    if (text) {
        message.payload = platform::MakePayload(std::move(*text));
    }
    main_window_->PostMessage(std::move(message));
}

void CConnection::PostLinkOpening() const {
    if (main_window_ != nullptr) {
        platform::Message message;
        message.id = WM_LINK_OPENING;
        main_window_->PostMessage(std::move(message));
    }
}

void CConnection::PostConnectingNotices(const std::string& target) {
    m_strStatus = FormatLinkText(IDS_CONNECTING, {""});
    PostStatusMessage(STATUS_CONNECTION_LABEL, m_strStatus);
    PostStatusMessage(STATUS_TEXT, m_strStatus);
    m_strNotice = FormatLinkText(IDS_CONNECTING, {"(" + LoadText(IDS_CONNECTING_TO) + " " + target + ")"});
    PostStatusMessage(STATUS_TEXT, m_strNotice);
}

char CConnection::GetReplyMode() const {
    return App().IsSet(CAppContext::Flag::FirmwareUpdateOpen) ? 'H' : m_chReplyMode.load();
}

void CConnection::SetReplyMode(char mode) {
    m_chReplyMode.store(mode);
    if (mode != 'B') {
        m_nBlockReplyLength.store(0);
    }
}

void CConnection::SetFirmwareVersion(std::string_view text) {
    const std::size_t end = std::min({text.find('\0'), text.size(), std::size_t{9}});
    m_szFirmwareVersion.assign(text.substr(0, end));
}

void CConnection::SetTraceSecret(std::string secret) {
    std::lock_guard lock(send_mutex_);
    trace_secret_ = std::move(secret);
}

std::string CConnection::TraceSecret() const {
    std::lock_guard lock(send_mutex_);
    return trace_secret_;
}

int CConnection::SetPortBaud(int baud) {
    return transport_ ? transport_->SetBaud(baud) : 0;
}

std::uint32_t CConnection::GetIdleTime() const {
    return Clock().Now() - m_dwLastSendTick.load();
}

void CConnection::EndWait() {
    m_bWaitDone.store(true);
    WakeWaiter();
}

void CConnection::WakeWaiter() {
    ++data_generation_;
    if (CSession* session = waiting_session_.load()) {
        session->Wake();
    }
}

void CConnection::ClearReceiveBuffer() {
    rx_buffer_.Clear();
    m_dwReplyTimeout = 0;
    m_bCommandResult = false;
    m_bCommandActive.store(false);
    m_bEchoDone.store(false);
    m_bReplyComplete = false;
    m_strLastCommand.clear();
}

void CConnection::RemoveFromFront(int n) {
    rx_buffer_.RemoveFront(n > 0 ? static_cast<std::size_t>(n) : 0);
}

int CConnection::CopyReply(char* dst, int maxBytes) const {
    if (IsAborted() || maxBytes <= 0) {
        return 0;
    }
    return static_cast<int>(
        rx_buffer_.CopyOut(reinterpret_cast<std::uint8_t*>(dst), static_cast<std::size_t>(maxBytes)));
}

CConnection::CommandState CConnection::SaveCommandState() const {
    return {m_nEchoStatus, m_nRetries, m_bCommandResult, m_bShuttingDownLogger};
}

void CConnection::RestoreCommandState(const CommandState& state) {
    m_nEchoStatus = state.echoStatus;
    m_nRetries = state.retries;
    m_bCommandResult = state.result;
    m_bShuttingDownLogger = state.shuttingDown;
}

int CConnection::DoCommand(std::string_view command, int nTimeout, const WaitCallback& pfnWait) {
    if (m_bSessionEnded) {
        return 0;
    }
    if (static_cast<int>(command.size()) > m_nCommandLimit) {
        // Refused, not sent: the logger would take a cut command for another one.
        ShowMessageBoxId(IDS_LOGGER_COMMAND_TOO_LONG, MB_OK, true);
        return 0;
    }
    m_bShuttingDownLogger = command == "S!";
    if (!WakeLogger(false)) {
        Trace("DoCommand: WakeLogger() failed");
        m_bShuttingDownLogger = false;
        m_bQuietShutdown = false;
        return 0;
    }
    ClearReceiveBuffer();
    m_nEchoStatus = ECHO_NONE;
    m_nRetries = 0;
    const std::uint32_t replyTimeout = MapReplyTimeout(nTimeout);
    for (;;) {
        if (!SendCommand(command, replyTimeout)) {
            m_bCommandResult = false;
            break;
        }
        WaitForCommand(pfnWait);
        if (IsAborted()) {
            m_bCommandResult = false;
            break;
        }
        if (m_nEchoStatus != ECHO_BAD) {
            break;
        }
        CommTrace("DoCommand() reports bad command echo");
        ++m_nRetries;
        WaitMsgPump({}, kRetryPauseMs, true);
        Trace("Retry " + std::to_string(m_nRetries) + " for: " + MaskSecret(command, TraceSecret()));
        ClearReceiveBuffer();
        if (m_nRetries >= kMaxAttempts) {
            break;
        }
    }
    if (m_nRetries >= kMaxAttempts) {
        m_bCommandResult = false;
        Trace("DoCommand: Logger retry count exceeded");
    }
    return m_bCommandResult ? 1 : 0;
}

int CConnection::SendCommand(std::string_view text, std::uint32_t dwTimeout) {
    if (m_bCommandActive.load()) {
        return 0;
    }
    CSession* session = ActiveSession();
    const bool lineMode = session != nullptr && session->GetSendMode() == SEND_MODE_LINE;
    std::string written(text);
    if (lineMode) {
        written += '\r';
    }
    m_dwReplyTimeout = dwTimeout;
    m_bCommandActive.store(true);
    m_bEchoDone.store(false);
    if (IsPrintableStart(written)) {
        Trace("SendCommand(): " + MaskSecret(written, TraceSecret()));
    } else {
        TraceFormat("SendCommand(): 0x%x 0x%x", written.empty() ? 0u : static_cast<unsigned char>(written[0]),
                    written.size() > 1 ? static_cast<unsigned char>(written[1]) : 0u);
    }
    m_strLastCommand = written;
    if (!SendBytes(written.data(), static_cast<int>(written.size()))) {
        CommTrace("SendCommand(): Unable to send to logger");
        m_bCommandActive.store(false);
        return 0;
    }
    if (lineMode) {
        m_bEchoDone.store(true);
        m_nEchoStatus = ECHO_GOOD;
    }
    return 1;
}

void CConnection::WaitForCommand(const WaitCallback& pfnWait) {
    after_wait_ = AfterWait::Nothing;
    WaitMsgPump(pfnWait, 0, true);
    RunEscapeAfterWait();
}

void CConnection::WaitMsgPump(const WaitCallback& pfnWait, std::uint32_t waitMs, bool reportTimeout) {
    m_bWaitDone.store(false);
    const std::uint32_t start = Clock().Now();
    std::uint32_t last = start;
    CSession* session = ActiveSession();
    if (session == nullptr) {
        CommTrace("WaitMsgPump() reports connection lost");
        return;
    }
    waiting_session_.store(session);
    for (;;) {
        // Taken before the buffer is looked at: bytes that come after the look always end the wait.
        const std::uint64_t seen = data_generation_.load();
        if (waitMs == 0) {
            CheckCommandStatus();
        }
        if (m_bWaitDone.load() || IsAborted()) {
            break;
        }
        // Nothing to wait for: a command that never went out cannot complete.
        if (waitMs == 0 && !m_bCommandActive.load()) {
            break;
        }
        const std::uint32_t now = Clock().Now();
        std::uint32_t nextLook = kPollTurnMs - std::min(kPollTurnMs, now - last);
        if (waitMs != 0) {
            const std::uint32_t elapsed = now - start;
            nextLook = std::min(nextLook, elapsed > waitMs ? 0u : waitMs - elapsed + 1);
        }
        const auto result = session->WaitForLink(
            [&] { return m_bWaitDone.load() || IsAborted() || data_generation_.load() != seen; },
            Clock().RealDuration(std::max(nextLook, 1u)));
        if (result == platform::WaitResult::Stopped || IsAborted()) {
            break;
        }
        // The 100 ms turn paces the caller's progress and the time-outs, not the look at the reply.
        const std::uint32_t after = Clock().Now();
        if (after - last >= kPollTurnMs) {
            if (pfnWait) {
                pfnWait();
            }
            last = after;
        }
        if (waitMs != 0 && after - start > waitMs) {
            m_bWaitDone.store(true);
            if (reportTimeout) {
                PostStatusMessage(STATUS_TIMEOUT);
                CommTrace("WaitMsgPump() reports timeout waiting for response");
            }
        }
    }
    m_bWaitDone.store(true);
    waiting_session_.store(nullptr);
}

void CConnection::CheckCommandStatus() {
    if (!m_bCommandActive.load()) {
        return;
    }
    if (link_lost_.load()) {
        m_bCommandResult = false;
        m_bWaitDone.store(true);
        return;
    }
    const std::vector<std::uint8_t> received = rx_buffer_.Snapshot();
    if (!m_bEchoDone.load()) {
        const EchoCheck echo = CheckForEcho(received, m_strLastCommand, TraceSecret());
        m_nEchoStatus = echo.status;
        if (echo.status == ECHO_GOOD) {
            m_bEchoDone.store(true);
            // Leading NULs go with the echo, so the reply starts at its first line end.
            rx_buffer_.RemoveFront(echo.echoEnd);
            if (IsAborted()) {
                m_bCommandResult = false;
                after_wait_ = AfterWait::EscapeAndFail;
                m_bWaitDone.store(true);
                return;
            }
            m_bCommandResult = SendBytes("\r", 1) != 0;
            // The farewell is done once the logger took it whole: it falls asleep without a prompt,
            // and waiting out the reply time would hold up every end of session.
            if (!m_bCommandResult || m_bShuttingDownLogger) {
                m_bWaitDone.store(true);
            }
            return;
        }
        if (echo.status == ECHO_BAD) {
            // Every kind of link escapes before the retry: without it the logger would still hold
            // the first attempt's bytes and the retry could never match.
            m_bWaitDone.store(true);
            m_bCommandResult = false;
            after_wait_ = AfterWait::EscapeAfterBadEcho;
            return;
        }
    } else {
        if (GetReplyMode() != 'B') {
            m_nBlockReplyLength.store(0);
        }
        m_nEchoStatus = ECHO_GOOD;
        const std::size_t leading = IsReplyComplete(received, m_nBlockReplyLength.load());
        m_bReplyComplete = leading > 0;
        if (m_bReplyComplete) {
            rx_buffer_.RemoveFront(leading);
            m_bWaitDone.store(true);
            m_bCommandResult = !IsAborted();
            return;
        }
    }
    if (GetIdleTime() > m_dwReplyTimeout) {
        OnReplyTimeout();
    }
}

void CConnection::OnReplyTimeout() {
    PostStatusMessage(STATUS_TIMEOUT);
    CommTrace("CheckCommandStatus() reports a timeout");
    m_bWaitDone.store(true);
    TraceFormat("** Echo Timeout (%u > %u) **:  - no complete echo or prompt char. received", GetIdleTime(),
                m_dwReplyTimeout);
    if (m_bShuttingDownLogger) {
        // A logger told to sleep does not answer the farewell.
        m_bCommandResult = true;
        Trace("m_bShuttingDownLogger == TRUE");
    } else if (GetReplyMode() == 'B') {
        m_bCommandResult = false;
        after_wait_ = AfterWait::EscapeAndFail;
    } else if (m_nRetries < kMaxAttempts && traits_.retriesAfterTimeout) {
        m_bEchoDone.store(false);
        m_nEchoStatus = ECHO_BAD;
        m_bCommandResult = false;
        after_wait_ = AfterWait::EscapeAndRetry;
    } else {
        m_bCommandResult = false;
    }
}

void CConnection::RunEscapeAfterWait() {
    const AfterWait action = after_wait_;
    after_wait_ = AfterWait::Nothing;
    if (action == AfterWait::Nothing) {
        return;
    }
    const CommandState state = SaveCommandState();
    const int escaped = SendEscape();
    RestoreCommandState(state);
    if (action == AfterWait::EscapeAndFail) {
        m_bCommandResult = false;
        return;
    }
    if (escaped == 2) {
        m_nEchoStatus = ECHO_ESCAPE_FAILED;
        m_bCommandResult = false;
    } else if (action == AfterWait::EscapeAfterBadEcho) {
        SetReplyMode('H');
    }
}

bool CConnection::FirmwareTakesDle() const {
    if (m_szFirmwareVersion.rfind("NX4", 0) != 0) {
        return false;
    }
    const std::size_t point = m_szFirmwareVersion.find('.');
    if (point == std::string::npos) {
        return false;
    }
    const long number = std::strtol(m_szFirmwareVersion.c_str() + point + 1, nullptr, 10);
    return number >= 165 && number != 169;
}

int CConnection::SendEscape() {
    CommTrace("SendEscape()");
    if (escaping_) {
        return 1;
    }
    escaping_ = true;
    m_nBlockReplyLength.store(0);
    bool ok = false;
    CSession* session = ActiveSession();
    if (session == nullptr) {
        ok = WriteControlByte(kEscape);
    } else if (FirmwareTakesDle()) {
        ok = WriteControlByte(kDle);
        session->SetSendMode(SEND_MODE_LINE);
    } else {
        const int mode = session->GetSendMode();
        ok = WriteControlByte(kEscape);
        if (ok && mode == SEND_MODE_LINE) {
            // The escape put the logger back into echo mode: ask for line mode again, in echo mode.
            session->SetSendMode(SEND_MODE_ECHO);
            ok = DoCommand("R!F", TIMEOUT_2000) != 0;
            if (ok) {
                session->SetSendMode(SEND_MODE_LINE);
            }
        }
    }
    Clock().Sleep(kEscapeSettleMs);
    escaping_ = false;
    return ok ? 0 : 2;
}

int CConnection::WakeLogger(bool bForce) {
    if (m_bSessionEnded) {
        return 0;
    }
    const std::uint32_t now = Clock().Now();
    if (!m_bEstablishing && !bForce && now - m_dwLastWakeTick < kWakeWindowMs) {
        m_dwLastWakeTick = now;
        return 1;
    }
    ClearReceiveBuffer();
    CSession* session = ActiveSession();
    if (session != nullptr && session->GetLoggerType() >= kFirstQuarvenType) {
        return 1;
    }
    CommTrace("WakeLogger()");
    SendNullAndEscape();
    for (int attempt = 0; attempt < traits_.wakeAttempts; ++attempt) {
        if (IsAborted() || (m_bShuttingDownLogger && m_bQuietShutdown)) {
            break;
        }
        if (attempt > 0) {
            m_strWakeStatus = FormatLinkText(IDS_WAKE_ATTEMPT, {std::to_string(attempt)});
            if (traits_.reportsWakeAttempts) {
                PostStatusMessage(STATUS_TEXT, m_strWakeStatus);
            }
        }
        ClearReceiveBuffer();
        CommTrace("Send a space and CR");
        if (SendCommand(" ", kWakeTimeoutMs)) {
            WaitForCommand({});
        }
        if (m_bCommandResult) {
            m_dwLastWakeTick = Clock().Now();
            break;
        }
        if (!IsAborted()) {
            CommTrace("Timed out waiting for echo from space");
            ClearReceiveBuffer();
            SendEscape();
            Clock().Sleep(kWakeRetryPauseMs);
        }
    }
    if (!m_bCommandResult && !IsAborted()) {
        m_strWakeStatus = LoadText(IDS_WAKE_FAILED);
        PostStatusMessage(STATUS_TEXT, m_strWakeStatus);
    }
    return m_bCommandResult ? 1 : 0;
}

int CConnection::IsGoodConnection(int nTimeout) {
    CommTrace("IsGoodConnection()");
    return DoCommand(" ", nTimeout);
}

int CConnection::DoCommandGetText(std::string_view command, std::string& reply, int nTimeout,
                                  const WaitCallback& pfnWait) {
    reply.clear();
    if (!DoCommand(command, nTimeout, pfnWait) || IsAborted()) {
        return 0;
    }
    std::string text = rx_buffer_.Text();
    text.erase(0, text.find_first_not_of("\r\n") == std::string::npos ? text.size()
                                                                      : text.find_first_not_of("\r\n"));
    if (!text.empty() && text.front() == '>') {
        text.clear();
    }
    reply = text.substr(0, text.find('\r'));
    return 1;
}

int CConnection::ReadConfigurationWord() {
    if (!DoCommand("L?CONFIGURATION", TIMEOUT_16000)) {
        return -1;
    }
    std::string reply(kConfigurationReplyMax, '\0');
    reply.resize(static_cast<std::size_t>(CopyReply(reply.data(), static_cast<int>(kConfigurationReplyMax))));
    constexpr std::string_view kKey = "CONFIGURATION=";
    if (reply.compare(0, kKey.size(), kKey) != 0) {
        return -1;
    }
    const char* digits = reply.c_str() + kKey.size();
    char* end = nullptr;
    const long value = std::strtol(digits, &end, 10);
    return end == digits ? -1 : static_cast<int>(value);
}

int CConnection::IdentifyLogger() {
    CommTrace("IdentifyLogger()");
    bool wellFormed = false;
    if (!DoCommand("I?", TIMEOUT_16000)) {
        CommTrace("Unable to identify logger");
    } else if (const auto version = ParseFirmwareVersion(rx_buffer_.Snapshot())) {
        SetFirmwareVersion(version->text);
        wellFormed = version->wellFormed;
    }
    SetReplyMode('H');
    if (wellFormed) {
        return 1;
    }
    if (!IsAborted()) {
        ShowMessageBoxId(IDS_IDENTIFY_FAILED, MB_OK, true);
    }
    return 0;
}
