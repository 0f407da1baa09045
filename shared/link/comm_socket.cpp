// The TCP transport of network links.
#include "shared/link/comm_socket.h"

#include <arpa/inet.h>
#include <errno.h>
#include <netinet/in.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/link_ids.h"
#include "shared/link/link_texts.h"
#include "shared/link/net_link_error.h"

namespace {

constexpr std::size_t kHostNameSize = 256;
constexpr auto kReadThreadStopWait = std::chrono::milliseconds(1000);
constexpr std::size_t kReadPiece = 5136;
constexpr std::uint32_t kReadRetryPauseMs = 100;
constexpr int kReadRetries = 15;

std::string Code(int code) {
    return std::to_string(code);
}

}  // namespace

CCommSocket::CCommSocket(const LinkClock& clock) : clock_(clock) {
    ClearNetLinkError();
}

CCommSocket::~CCommSocket() {
    Close();
}

void CCommSocket::SetAddress(std::string address, std::string port) {
    m_strAddress = std::move(address);
    m_strPort = std::move(port);
}

int CCommSocket::CheckLocalHost() {
    char name[kHostNameSize] = {};
    if (::gethostname(name, sizeof name - 1) == 0 && name[0] != '\0') {
        return 1;
    }
    m_dwLastError.store(errno != 0 ? errno : EINVAL);
    const std::string error = LoadText(IDS_ERROR);
    ShowMessageBox(
        platform::FillPrintfPlaceholders("%s: %s (%s: %ld).",
                                         {error, LoadText(IDS_LOCAL_HOST_FAILED), error, Code(LastError())}),
        MB_OK, true);
    RecordNetLinkError(LastError(),
                       platform::FillPrintfPlaceholders(
                           "%s (%s: %ld).", {LoadText(IDS_LOCAL_HOST_UNUSABLE), error, Code(LastError())}));
    return 0;
}

bool CCommSocket::IsRefusedAddress(const std::string& address) {
    in_addr parsed{};
    const bool valid = ::inet_aton(address.c_str(), &parsed) != 0;
    if (valid && parsed.s_addr != INADDR_NONE && parsed.s_addr != INADDR_ANY) {
        return false;
    }
    const std::string error = LoadText(IDS_ERROR);
    const char* format =
        valid && parsed.s_addr == INADDR_ANY ? "%s: %s %s (%s: INADDR_ANY)." : "%s: %s %s (%s: INADDR_NONE).";
    RecordNetLinkError(EINVAL,
                       platform::FillPrintfPlaceholders(format, {error, LoadText(IDS_BAD_ADDRESS), address, error}));
    return true;
}

int CCommSocket::ResolveAddress() {
    if (!m_strAddress.empty() && std::isalpha(static_cast<unsigned char>(m_strAddress.front()))) {
        int error = 0;
        const auto dotted = platform::ResolveIPv4(m_strAddress, &error);
        if (!dotted) {
            m_dwLastError.store(error != 0 ? error : EHOSTUNREACH);
            RecordNetLinkError(EHOSTUNREACH, platform::FillPrintfPlaceholders(
                                                 "%s: %s %s.", {LoadText(IDS_ERROR), LoadText(IDS_BAD_ADDRESS),
                                                                m_strAddress}));
            return 0;
        }
        m_strAddress = *dotted;
        return 1;
    }
    return IsRefusedAddress(m_strAddress) ? 0 : 1;
}

int CCommSocket::ConnectSocket() {
    if (!ResolveAddress() || IsRefusedAddress(m_strAddress)) {
        return 0;
    }
    const long port = std::strtol(m_strPort.c_str(), nullptr, 10);
    const int error = port > 0 && port <= 65535
                          ? m_Socket.Connect(m_strAddress, static_cast<std::uint16_t>(port),
                                             clock_.RealDuration(kConnectTimeoutMs))
                          : EINVAL;
    if (error != 0) {
        m_dwLastError.store(error);
        RecordNetLinkError(
            error, platform::FillPrintfPlaceholders(
                       "%s %s (%s %s = %d).", {LoadText(IDS_CONNECT_FAILED), m_strAddress,
                                               LoadText(IDS_ERROR_CODE), LoadText(IDS_ERROR), Code(error)}));
        return 0;
    }
    m_bConnected = true;
    return 1;
}

int CCommSocket::StartReadThread(std::function<void()> procedure) {
    if (reader_.Running()) {
        return 0;
    }
    if (!reader_.Start(std::move(procedure))) {
        m_dwLastError.store(EAGAIN);
        Trace("Error: Unable to create Socket read thread (Error = " + Code(LastError()) + ")");
        return 0;
    }
    return 1;
}

int CCommSocket::StopReadThread() {
    m_dwLastError.store(0);
    if (reader_.Running()) {
        Trace("Closing CommSocket Read Thread\n");
        if (!reader_.StopWithin(kReadThreadStopWait)) {
            Trace("CommSocket Read thread not exiting: the socket stays open for it");
            return -1;
        }
    }
    return 0;
}

bool CCommSocket::StartReading(platform::ByteReceiver& receiver) {
    return StartReadThread([this, &receiver] { ReadUntilStopped(receiver); }) != 0;
}

void CCommSocket::ReadUntilStopped(platform::ByteReceiver& receiver) {
    Trace("****** StartReadThreadProc() Start ************");
    std::vector<char> piece(kReadPiece);
    int failures = 0;
    while (!reader_.StopRequested()) {
        const std::size_t room = receiver.ReceiveRoom();
        const int got =
            ReadCommBlock(piece.data(), static_cast<int>(room == 0 ? kDiscardPiece : std::min(room, piece.size())));
        if (got > 0) {
            failures = 0;
            if (reader_.StopRequested() || !receiver.OnBytes(std::span(reinterpret_cast<const std::uint8_t*>(piece.data()),
                                            static_cast<std::size_t>(got)))) {
                break;
            }
            continue;
        }
        const int error = LastError();
        if (error == 0 || reader_.StopRequested()) {
            continue;  // stopped
        }
        const bool fatal = error == ECONNRESET || error == ECONNABORTED;
        if (!fatal && ++failures <= kReadRetries) {
            clock_.Sleep(kReadRetryPauseMs);
            Trace("StartReadThreadProc(): Socket ReadCommBlock() retry");
            continue;
        }
        if (!fatal) {
            Trace("StartReadThreadProc(): Socket ReadCommBlock() retries failed");
            Trace("StartReadThreadProc(): Socket ReadCommBlock() failed");
        }
        Trace(NetLinkErrorText());
        receiver.OnReaderEnded(error);
        break;
    }
    Trace("************ StartReadThreadProc() Done ************");
}

int CCommSocket::ReadCommBlock(char* buffer, int nBytesToRead) {
    if (nBytesToRead <= 0) {
        return 0;
    }
    if (const int recorded = NetLinkErrorCode(); recorded != 0) {
        m_dwLastError.store(recorded);
        return 0;
    }
    std::size_t received = 0;
    int error = 0;
    switch (m_Socket.Receive(buffer, static_cast<std::size_t>(nBytesToRead), received, error, reader_)) {
        case platform::TcpSocket::ReceiveStatus::Data:
            m_bFirstRead.store(false);
            m_dwLastError.store(0);
            return static_cast<int>(received);
        case platform::TcpSocket::ReceiveStatus::Stopped:
            m_dwLastError.store(0);
            return 0;
        case platform::TcpSocket::ReceiveStatus::Closed:
            // The logger closed the connection: nothing more will come.
            error = ECONNRESET;
            break;
        case platform::TcpSocket::ReceiveStatus::Failed:
            break;
    }
    m_dwLastError.store(error);
    if (!(error == EFAULT && m_bFirstRead.load())) {
        RecordNetLinkError(error, FormatLinkText(IDS_NETWORK_READ_FAILED, {m_strAddress, Code(error)}));
    }
    return 0;
}

int CCommSocket::WriteCommBlock(const char* buffer, int length) {
    if (NetLinkErrorCode() != 0 || length < 0) {
        return 0;
    }
    m_dwLastError.store(0);
    const int error =
        m_Socket.Send(buffer, static_cast<std::size_t>(length), clock_.RealDuration(kSendTimeoutMs));
    if (error != 0) {
        m_dwLastError.store(error);
        RecordNetLinkError(error, FormatLinkText(IDS_NETWORK_WRITE_FAILED, {m_strAddress, Code(error)}));
        return 0;
    }
    return length;
}

std::size_t CCommSocket::Write(const std::uint8_t* data, std::size_t n) {
    return static_cast<std::size_t>(WriteCommBlock(reinterpret_cast<const char*>(data), static_cast<int>(n)));
}

bool CCommSocket::Close() {
    if (StopReadThread() != 0) {
        return false;
    }
    CloseSocket();
    return true;
}

int CCommSocket::CloseSocket() {
    m_Socket.Close();
    m_bConnected = false;
    return 1;
}
