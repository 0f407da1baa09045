// CConnection below the command routine: the send queue with its pacing, direct control-byte and
// block writes, and the transport's reader that fills the receive buffer.
#include <errno.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/app_context.h"
#include "shared/common/trace_log.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/link/link_texts.h"
#include "shared/link/reply_framing.h"
#include "shared/link/session.h"

namespace {

constexpr int kDefaultBlockSize = 64;
constexpr int kInterfaceCellModem = 3;
constexpr std::uint32_t kBinaryReplyTimeoutMs = 2000;
constexpr std::uint32_t kCellBinaryReplyTimeoutMs = 20000;
constexpr std::uint32_t kNullEscapeWaitMs = 1000;
constexpr int kMaxScannedBytes = 502;
constexpr int kReceivedNoticeStep = 50;
constexpr int kResetCommandLength = 7;  // "_!RESET"

int BlockSize(const CCommandLineValues& values) {
    return values.sendBlockSize > 0 ? values.sendBlockSize : kDefaultBlockSize;
}

}  // namespace

int CConnection::WriteTransport(const std::uint8_t* data, int n) {
    if (n <= 0 || !transport_) {
        return 0;
    }
    return static_cast<int>(transport_->Write(data, static_cast<std::size_t>(n)));
}

void CConnection::ShowSent(std::string_view bytes) const {
    if (App().GetCommTraceFlags() & kCommTraceOn) {
        App().ShowSentBytes(bytes);
    }
}

void CConnection::TraceSentBytes(const char* data, int n) const {
    if (!IsTraceOn()) {
        return;
    }
    const auto first = static_cast<unsigned char>(data[0]);
    const bool printable = IsPrintableStart(std::string_view(data, static_cast<std::size_t>(n)));
    if (n == 1 && !printable) {
        TraceFormat("Chr Send: 0x%x", first);
    } else if (!printable) {
        TraceFormat("Cmd Send: 0x%x 0x%x", first, static_cast<unsigned char>(data[1]));
    } else {
        const std::string text =
            MaskSecret(std::string(data, std::find(data, data + n, '\0')), TraceSecret());
        Trace("Cmd Send(" + std::to_string(text.size()) + "): " + text);
    }
}

int CConnection::SendBytes(const char* data, int n) {
    if (!HasTransport()) {
        return 0;
    }
    if (data == nullptr || n < 1) {
        return 1;
    }
    if (n > kTxCapacity) {
        // Nothing goes out: the send fails, and the trace says why.
        Trace("SendBytes(): " + std::to_string(n) + " bytes do not fit the send queue of " +
              std::to_string(kTxCapacity));
        return 0;
    }
    TraceSentBytes(data, n);
    {
        std::lock_guard lock(send_mutex_);
        std::copy(data, data + n, m_pTxQueue.begin());
        shown_tx_ = MaskSecret(std::string_view(data, static_cast<std::size_t>(n)), trace_secret_);
        shown_echo_ = 0;
        m_nTxCount = n;
        m_nTxPos = 0;
        echo_count_ = 0;
    }
    if (!SendQueuedData()) {
        return 0;
    }
    m_dwLastSendTick.store(Clock().Now());
    return 1;
}

int CConnection::GetSentCount() const {
    std::lock_guard lock(send_mutex_);
    return m_nTxPos;
}

int CConnection::SendQueuedData() {
    // A second sender (the reader feeding the next echo byte) waits for the first.
    std::lock_guard lock(send_mutex_);
    if (!HasTransport() || m_nTxCount < 1) {
        return 1;
    }
    if (m_nTxPos >= m_nTxCount) {
        std::fill(m_pTxQueue.begin(), m_pTxQueue.end(), 0);
        m_nTxCount = 0;
        m_nTxPos = 0;
        return 1;
    }
    m_bSending = true;
    const CCommandLineValues values = App().GetCommandLineValues();
    const auto pause = [&](int ms) {
        if (traits_.pacesSends && ms > 0) {
            Clock().Sleep(static_cast<std::uint32_t>(ms));
        }
    };
    CSession* session = ActiveSession();
    bool ok = true;
    if (session != nullptr && session->GetSendMode() == SEND_MODE_LINE) {
        pause(values.preSendDelay);
        const int blockSize = BlockSize(values);
        while (m_nTxPos < m_nTxCount) {
            const int piece = std::min(blockSize, m_nTxCount - m_nTxPos);
            int written = WriteTransport(&m_pTxQueue[m_nTxPos], piece);
            if (written == 0) {
                written = WriteTransport(&m_pTxQueue[m_nTxPos], 1);
            }
            if (written == 0) {
                ok = false;
                break;
            }
            ShowSent(std::string_view(shown_tx_).substr(static_cast<std::size_t>(m_nTxPos),
                                                        static_cast<std::size_t>(written)));
            m_nTxPos += written;
            PostStatusMessage(STATUS_BYTES_SENT);
        }
    } else if (session != nullptr && (m_nTxPos == 0 || echo_count_ >= m_nTxPos)) {
        // Echo mode: the next byte once every byte sent so far has come back.
        pause(values.preSendDelay);
        int written = WriteTransport(&m_pTxQueue[m_nTxPos], 1);
        if (written == 0) {
            written = WriteTransport(&m_pTxQueue[m_nTxPos], 1);
        }
        if (written == 0) {
            ok = false;
        } else {
            ShowSent(std::string_view(shown_tx_).substr(static_cast<std::size_t>(m_nTxPos), 1));
            ++m_nTxPos;
            PostStatusMessage(STATUS_BYTES_SENT);
        }
    }
    if (ok) {
        pause(values.postSendDelay);
    }
    m_bSending = false;
    return ok ? 1 : 0;
}

bool CConnection::WriteControlByte(std::uint8_t byte) {
    {
        std::lock_guard lock(send_mutex_);
        m_nTxCount = 0;
        m_nTxPos = 0;
    }
    const bool ok = WriteTransport(&byte, 1) == 1;
    if (ok) {
        m_dwLastSendTick.store(Clock().Now());
    }
    return ok;
}

void CConnection::KickLogger() {
    CommTrace("KickLogger()");
    if (m_bSessionEnded) {
        return;
    }
    WriteControlByte('\r');
    ShowSent("[CR]");
}

void CConnection::SendNullAndEscape() {
    CommTrace("SendNullAndEscape()");
    if (m_bSessionEnded) {
        return;
    }
    ShowSent("[ESC]");
    if (traits_.nulBeforeEscape) {
        WriteControlByte(0x00);
        WaitMsgPump({}, kNullEscapeWaitMs, false);
        WriteControlByte(0x1B);
        WaitMsgPump({}, kNullEscapeWaitMs, false);
    } else {
        WriteControlByte(0x1B);
    }
}

bool CConnection::SendBinaryBlock(const char* data, int n) {
    m_strLastCommand.assign(data, static_cast<std::size_t>(std::min(n, 2)));
    CSession* session = ActiveSession();
    if (m_bSessionEnded || session == nullptr || n <= 0) {
        return false;
    }
    ClearReceiveBuffer();
    m_dwReplyTimeout = session->GetInterfaceKind() == kInterfaceCellModem ? kCellBinaryReplyTimeoutMs
                                                                          : kBinaryReplyTimeoutMs;
    PostStatusMessage(STATUS_BYTES_SENT);
    if (App().GetCommTraceFlags() & kCommTraceOn) {
        std::string shown = std::string(data, static_cast<std::size_t>(std::min(n, 2))) + " ";
        for (int i = 2; i < std::min(n, 10); ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X ", static_cast<unsigned char>(data[i]));
            shown += hex;
        }
        CommTrace(shown + "... [" + std::to_string(n) + " bytes]");
    }
    // Awaited before the first byte goes: a link that keeps only awaited bytes would drop a quick reply.
    m_bCommandActive.store(true);
    m_bEchoDone.store(true);
    m_nEchoStatus = 0;
    m_nRetries = 0;
    const int blockSize = BlockSize(App().GetCommandLineValues());
    int written = 0;
    while (written < n) {
        const int piece = std::min(blockSize, n - written);
        const int put = WriteTransport(reinterpret_cast<const std::uint8_t*>(data) + written, piece);
        written += put;
        m_dwLastSendTick.store(Clock().Now());
        if (put < piece) {
            break;
        }
    }
    WaitForCommand({});
    return m_bCommandResult && written == n;
}

std::string CConnection::ShownEcho(const char* data, int n) {
    std::string shown(data, static_cast<std::size_t>(n));
    std::lock_guard lock(send_mutex_);
    // A byte that matches the next one of the command is its echo, and is masked where the command is;
    // other bytes (the rest of an earlier reply, a garbled echo) are shown as they came.
    for (char& c : shown) {
        const auto next = static_cast<std::size_t>(shown_echo_);
        if (next < static_cast<std::size_t>(m_nTxCount) && next < shown_tx_.size() &&
            std::tolower(static_cast<unsigned char>(c)) == std::tolower(m_pTxQueue[next])) {
            if (shown_tx_[next] == '*') {
                c = '*';
            }
            ++shown_echo_;
        }
    }
    return shown;
}

int CConnection::OnDataReceived(const char* data, int n) {
    PostStatusMessage(STATUS_BYTES_RECEIVED);
    CAppContext& app = App();
    if (app.GetCommTraceFlags() & kCommTraceOn) {
        app.SendTerminalText(ShownEcho(data, n));
    }
    const int scanned = std::min(n, kMaxScannedBytes);
    int echoed = 0;
    for (int i = 0; i < scanned; ++i) {
        if (i % kReceivedNoticeStep == kReceivedNoticeStep - 1) {
            PostStatusMessage(STATUS_BYTES_RECEIVED);
        }
        if (data[i] != 0) {
            ++echoed;
        }
    }
    bool queued = false;
    {
        std::lock_guard lock(send_mutex_);
        echo_count_ += echoed;
        queued = m_nTxCount > 0;
    }
    if (queued && !SendQueuedData()) {
        return 0;
    }
    bool resetSent = false;
    {
        std::lock_guard lock(send_mutex_);
        resetSent = m_nTxPos == kResetCommandLength;
    }
    if (m_bResettingLogger.load() && resetSent && traits_.resetDropsLink) {
        // The logger restarts and drops the connection.
        m_bEchoDone.store(true);
        app.Set(CAppContext::Flag::Abort, true);
        return 0;
    }
    return 1;
}

std::size_t CConnection::ReceiveRoom() {
    offered_while_aborted_ = IsAborted();
    offered_room_ = offered_while_aborted_ ? 0 : rx_buffer_.Room(m_nBlockReplyLength.load());
    return offered_room_;
}

bool CConnection::OnBytes(std::span<const std::uint8_t> bytes) {
    if (IsAborted()) {
        // Dropped; the link stays up for the next command.
        return true;
    }
    // An offer closed by an abort that is over by now: the bytes are a reply like any other, no overflow.
    const std::size_t room =
        offered_while_aborted_ ? rx_buffer_.Room(m_nBlockReplyLength.load()) : offered_room_;
    if (room == 0 && traits_.overflowEndsLink) {
        const std::string text = platform::FillPrintfPlaceholders(
            "%s: %s\n\n%s",
            {LoadText(IDS_ERROR), LoadText(IDS_RECEIVE_OVERFLOW), LoadText(IDS_RECEIVE_OVERFLOW_HELP)});
        Trace(text);
        PostStatusMessage(STATUS_TEXT, text);
        LoseLink(ENOBUFS);
        return false;
    }
    if (room == 0 || (traits_.keepsOnlyAwaitedBytes && !m_bCommandActive.load())) {
        // Bytes that do not fit, or that no command waits for, are dropped.
        return true;
    }
    // Only this reader appends, so all that was offered room is taken. The bytes are counted before a
    // waiting command can see them: a command that ends on them must not leave them to be counted as
    // echoes of the next one.
    const std::span<const std::uint8_t> taken = bytes.first(std::min(room, bytes.size()));
    const bool goOn =
        OnDataReceived(reinterpret_cast<const char*>(taken.data()), static_cast<int>(taken.size())) != 0;
    rx_buffer_.Append(taken);
    WakeWaiter();
    return goOn;
}

void CConnection::OnReaderEnded(int error) {
    LoseLink(error == 0 ? ECONNRESET : error);
}

void CConnection::LoseLink(int error) {
    // Told first, so that whoever sees the link lost finds the notice already posted.
    PostStatusMessage(STATUS_LINK_LOST, LostLinkNotice(error));
    link_lost_error_.store(error);
    link_lost_.store(true);
    OnLinkLost(error);
    WakeWaiter();
}

std::string CConnection::LostLinkNotice(int error) const {
    return LostLinkText(IDS_LINK_LOST, error);
}

void CConnection::OnLinkLost(int) {}
