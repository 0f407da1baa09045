// CConnection below the command routine: the send queue with its pacing, direct control-byte and
// block writes, and the read threads that fill the receive buffer.
#include <errno.h>

#include <algorithm>

#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/link/link_texts.h"
#include "shared/link/net_link_error.h"
#include "shared/link/reply_framing.h"
#include "shared/link/session.h"

namespace {

constexpr int kDefaultBlockSize = 64;
constexpr int kInterfaceCellModem = 3;
constexpr std::uint32_t kBinaryReplyTimeoutMs = 2000;
constexpr std::uint32_t kCellBinaryReplyTimeoutMs = 20000;
constexpr std::uint32_t kNullEscapeWaitMs = 1000;
constexpr std::uint32_t kSocketRetryPauseMs = 100;
constexpr int kSocketReadRetries = 15;
constexpr std::size_t kDiscardPiece = 128;
constexpr int kMaxScannedBytes = 502;
constexpr int kReceivedNoticeStep = 50;
constexpr int kResetCommandLength = 7;  // "_!RESET"

int BlockSize(const CCommandLineValues& values) {
    return values.sendBlockSize > 0 ? values.sendBlockSize : kDefaultBlockSize;
}

}  // namespace

bool CConnection::HasTransport() const {
    return m_nLinkKind == kLinkNetwork ? m_pSocket != nullptr : m_pSerialPort != nullptr;
}

int CConnection::WriteTransport(const std::uint8_t* data, int n) {
    if (n <= 0) {
        return 0;
    }
    if (m_nLinkKind == kLinkNetwork) {
        return m_pSocket ? m_pSocket->WriteCommBlock(reinterpret_cast<const char*>(data), n) : 0;
    }
    return m_pSerialPort ? static_cast<int>(m_pSerialPort->Write(data, static_cast<std::size_t>(n))) : 0;
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
        const std::string text(data, std::find(data, data + n, '\0'));
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
        ShowMessageBox("SendBytes(): data > SEND_QUEUE_SIZE", MB_OK, true);
        return 0;
    }
    TraceSentBytes(data, n);
    {
        std::lock_guard lock(send_mutex_);
        std::copy(data, data + n, m_pTxQueue.begin());
        m_nTxCount = n;
        m_nTxPos = 0;
        m_nEchoCount = 0;
    }
    if (!SendQueuedData()) {
        return 0;
    }
    m_dwLastSendTick.store(Clock().Now());
    return 1;
}

int CConnection::SendQueuedData() {
    // A second sender (the read thread feeding the next echo byte) waits for the first.
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
    const bool network = m_nLinkKind == kLinkNetwork;
    const CCommandLineValues values = GetAppContext().GetCommandLineValues();
    CSession* session = ActiveSession();
    bool ok = true;
    if (session != nullptr && session->GetSendMode() == SEND_MODE_LINE) {
        if (!network && values.preSendDelay > 0) {
            Clock().Sleep(static_cast<std::uint32_t>(values.preSendDelay));
        }
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
            m_nTxPos += written;
            PostStatusMessage(STATUS_BYTES_SENT);
        }
    } else if (session != nullptr && (m_nTxPos == 0 || m_nEchoCount >= m_nTxPos)) {
        // Echo mode: the next byte once every byte sent so far has come back.
        if (!network && values.preSendDelay > 0) {
            Clock().Sleep(static_cast<std::uint32_t>(values.preSendDelay));
        }
        int written = WriteTransport(&m_pTxQueue[m_nTxPos], 1);
        if (written == 0) {
            written = WriteTransport(&m_pTxQueue[m_nTxPos], 1);
        }
        if (written == 0) {
            ok = false;
        } else {
            ++m_nTxPos;
            if (network) {
                PostStatusMessage(STATUS_BYTES_SENT);
            }
        }
    }
    if (!network && ok) {
        if (values.postSendDelay > 0) {
            Clock().Sleep(static_cast<std::uint32_t>(values.postSendDelay));
        }
        PostStatusMessage(STATUS_BYTES_SENT);
    }
    if (network && m_pSocket && m_pSocket->LastError() != 0) {
        ok = false;
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
    if (GetAppContext().GetCommTraceFlags() & kCommTraceOn) {
        CommTrace("[CR]");
    }
}

void CConnection::SendNullAndEscape() {
    CommTrace("SendNullAndEscape()");
    if (m_bSessionEnded) {
        return;
    }
    if (GetAppContext().GetCommTraceFlags() & kCommTraceOn) {
        CommTrace("[ESC]");
    }
    if (m_nLinkKind != kLinkNetwork) {
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
    if (GetAppContext().GetCommTraceFlags() & kCommTraceOn) {
        std::string shown = std::string(data, static_cast<std::size_t>(std::min(n, 2))) + " ";
        for (int i = 2; i < std::min(n, 10); ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X ", static_cast<unsigned char>(data[i]));
            shown += hex;
        }
        CommTrace(shown + "... [" + std::to_string(n) + " bytes]");
    }
    const int blockSize = BlockSize(GetAppContext().GetCommandLineValues());
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
    m_bCommandActive.store(true);
    m_bEchoDone.store(true);
    m_nEchoStatus = 0;
    m_nRetries = 0;
    WaitForCommand({});
    return m_bCommandResult && written == n;
}

int CConnection::OnDataReceived(const char* data, int n) {
    PostStatusMessage(STATUS_BYTES_RECEIVED);
    CAppContext& app = GetAppContext();
    if (app.GetCommTraceFlags() & kCommTraceOn) {
        app.SendTerminalText(std::string_view(data, static_cast<std::size_t>(n)));
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
    if (app.IsSet(CAppContext::Flag::Abort)) {
        // The bytes are dropped; the link stays up for the next command.
        return 1;
    }
    bool queued = false;
    {
        std::lock_guard lock(send_mutex_);
        m_nEchoCount += echoed;
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
    if (m_bResettingLogger.load() && resetSent && m_nLinkKind == kLinkNetwork) {
        // The logger restarts and drops the connection.
        m_bEchoDone.store(true);
        app.Set(CAppContext::Flag::Abort, true);
        return 0;
    }
    return 1;
}

void CConnection::AcceptReceived(const std::uint8_t* data, std::size_t n) {
    m_rxBuffer.Append(std::span<const std::uint8_t>(data, n));
    WakeWaiter();
}

void CConnection::PrepareReader() {
    m_bLinkLost.store(false);
}

void CConnection::OnReaderEnded(bool asked) {
    if (!asked) {
        m_bLinkLost.store(true);
        WakeWaiter();
    }
}

void CConnection::RunSerialReader() {
    CSerialPort& port = *m_pSerialPort;
    port.SetEventMask(EV_RXCHAR | EV_ERR);
    if (!port.WaitEvent()) {
        return;
    }
    Trace("****** StartReadThreadProc() Start ************");
    std::vector<std::uint8_t> piece(ReceiveBuffer::kCapacity);
    for (;;) {
        const std::uint32_t events = port.GetEventResult(true);
        if (events == 0) {
            break;
        }
        if (events & EV_RXCHAR) {
            const std::size_t room = IsAborted() ? 0 : m_rxBuffer.Room(m_nBlockReplyLength.load());
            if (room == 0) {
                while (port.Read(piece.data(), kDiscardPiece, false) > 0) {
                }
            } else {
                const std::size_t got = port.Read(piece.data(), room, false);
                if (got > 0) {
                    AcceptReceived(piece.data(), got);
                    OnDataReceived(reinterpret_cast<const char*>(piece.data()), static_cast<int>(got));
                }
            }
        } else if (events & EV_ERR) {
            PostStatusMessage(STATUS_TIMEOUT);
        }
        port.WaitEvent();
    }
    OnReaderEnded(port.StopRequested());
    Trace("************ StartReadThreadProc() Done ************");
}

void CConnection::RunNetworkReader() {
    CCommSocket& socket = *m_pSocket;
    Trace("****** StartReadThreadProc() Start ************");
    std::vector<char> piece(ReceiveBuffer::kCapacity);
    int failures = 0;
    bool asked = true;
    while (socket.KeepReading()) {
        const bool aborted = IsAborted();
        const std::size_t room = aborted ? 0 : m_rxBuffer.Room(m_nBlockReplyLength.load());
        const int got =
            socket.ReadCommBlock(piece.data(), static_cast<int>(room == 0 ? kDiscardPiece : room));
        if (got == 0) {
            const int error = socket.LastError();
            if (error == 0) {
                continue;
            }
            const bool fatal = error == ECONNRESET || error == ECONNABORTED;
            if (!fatal && ++failures <= kSocketReadRetries) {
                Clock().Sleep(kSocketRetryPauseMs);
                Trace("StartReadThreadProc(): Socket ReadCommBlock() retry");
                continue;
            }
            if (!fatal) {
                Trace("StartReadThreadProc(): Socket ReadCommBlock() retries failed");
                Trace("StartReadThreadProc(): Socket ReadCommBlock() failed");
            }
            m_strStatus = platform::FillPrintfPlaceholders(
                "%s (%s %ld).",
                {LoadText(error == ECONNABORTED ? IDS_CONNECTION_ABORTED : IDS_NETWORK_LINK_LOST), "",
                 std::to_string(error)});
            PostStatusMessage(STATUS_TEXT, m_strStatus);
            RecordNetLinkError(
                error, FormatLinkText(IDS_NETWORK_READ_FAILED, {socket.m_strAddress, std::to_string(error)}));
            Trace(NetLinkErrorText());
            asked = false;
            break;
        }
        failures = 0;
        if (aborted || room == 0 || !m_bCommandActive.load()) {
            // Bytes that no command waits for, or that do not fit, are dropped.
            if (room == 0 && !aborted) {
                const std::string text = platform::FillPrintfPlaceholders(
                    "%s: %s\n\n%s", {LoadText(IDS_ERROR), LoadText(IDS_RECEIVE_OVERFLOW),
                                     LoadText(IDS_RECEIVE_OVERFLOW_HELP)});
                Trace(text);
                ShowMessageBox(text, MB_OK, true);
                asked = false;
                break;
            }
            continue;
        }
        AcceptReceived(reinterpret_cast<const std::uint8_t*>(piece.data()), static_cast<std::size_t>(got));
        if (!OnDataReceived(piece.data(), got)) {
            break;
        }
    }
    OnReaderEnded(asked);
    Trace("************ StartReadThreadProc() Done ************");
}
