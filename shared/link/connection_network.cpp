// The network link: the socket, its read thread, the escape and wake-up that find the logger.
#include "shared/link/connection_network.h"

#include <errno.h>

#include "platform/base/program_texts.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/link/link_ids.h"
#include "shared/link/link_texts.h"
#include "shared/link/net_link_error.h"

namespace {

constexpr std::uint32_t kReaderSettleMs = 500;
constexpr std::uint32_t kEscapeSettleMs = 100;

}  // namespace

CConnectionNetwork::CConnectionNetwork(const CLinkContext& context, std::string address, std::string port,
                                       int baud)
    : CConnection(kLinkNetwork, kNetworkLinkTraits, context),
      m_strAddress(std::move(address)),
      m_strPort(std::move(port)),
      nominal_baud_(baud) {}

int CConnectionNetwork::Create() {
    PostLinkOpening();
    if (CConnection::Create()) {
        auto socket = std::make_unique<CCommSocket>(Clock());
        m_pSocket = socket.get();
        SetTransport(std::move(socket));
        if (m_pSocket->CheckLocalHost()) {
            m_nBaud = nominal_baud_;
            m_pSocket->SetAddress(m_strAddress, m_strPort);
            return 1;
        }
    }
    ShowMessageBoxId(IDS_NETWORK_SOCKET_FAILED, MB_OK, true);
    return 0;
}

int CConnectionNetwork::Establish() {
    CommTrace("Establishing network connection...");
    m_bEstablishing = true;
    PostConnectingNotices(m_strAddress);
    const bool connected = m_pSocket && m_pSocket->ConnectSocket();
    if (connected) {
        m_strStatus = LoadText(IDS_CONNECTED);
        PostStatusMessage(STATUS_CONNECTION_LABEL, m_strStatus);
        StartReader();
        Clock().Sleep(kReaderSettleMs);
    }
    int result = 0;
    if (NetLinkErrorCode() == 0 && connected) {
        SendEscape();
        Clock().Sleep(kEscapeSettleMs);
        ClearReceiveBuffer();
        result = WakeLogger(true);
        if (NetLinkErrorCode() != 0) {
            result = 0;
        }
        if (result) {
            Clock().Sleep(kEscapeSettleMs);
            PostStatusMessage(STATUS_TEXT, FormatLinkText(IDS_NETWORK_CONNECTED, {m_strAddress}));
        }
    }
    m_bEstablishing = false;
    return result;
}

std::string CConnectionNetwork::LostLinkNotice(int error) const {
    if (error == ENOBUFS) {
        return {};  // the overflow told its own notice
    }
    return LostLinkText(error == ECONNABORTED ? IDS_CONNECTION_ABORTED : IDS_NETWORK_LINK_LOST, error);
}
