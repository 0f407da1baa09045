// The modem link: the call placed or answered on the modem line, its device attached as the serial
// port of the link, and the check that a logger answers across the call.
#include "shared/link/connection_modem.h"

#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/io/carrier_watch.h"
#include "platform/io/serial_port.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/link_ids.h"
#include "shared/link/link_texts.h"

namespace {

// How long the logger behind a fresh call is left before it is woken.
constexpr std::uint32_t kSettleMs = 3000;

}  // namespace

CConnectionModem::CConnectionModem(const CLinkContext& context, std::string number, int baud, int mode)
    : CConnection(kLinkModem, kModemLinkTraits, context),
      tapi_line_(mode, context),
      m_strNumber(mode == CTapiLine::kModeAnswer ? std::string() : std::move(number)) {
    m_nBaud = mode == CTapiLine::kModeAnswer ? 0 : baud;
}

CConnectionModem::~CConnectionModem() {
    // The link lets the call's device go before the line closes it.
    CloseLink();
    tapi_line_.ShutdownTAPI();
}

int CConnectionModem::Create() {
    if (!CConnection::Create()) {
        return 0;
    }
    tapi_line_.SetClock(Clock());
    if (!tapi_line_.Create(this, m_strNumber, m_nBaud)) {
        return 0;
    }
    if (tapi_line_.GetMode() != CTapiLine::kModeDialOut) {
        return tapi_line_.OpenDeviceLine();
    }
    PostLinkOpening();
    if (!tapi_line_.DialCall()) {
        return 0;
    }
    // A call the link cannot use is not left standing.
    if (!AttachPort()) {
        HangupCall();
        return 0;
    }
    return 1;
}

int CConnectionModem::AttachPort() {
    m_bSessionEnded = false;
    tapi_line_.GetNegotiatedRate();
    const int comm = tapi_line_.TakeCommHandle();
    auto serial = std::make_unique<CSerialPort>([](const std::string& line) { Trace(line); });
    if (comm < 0 || !serial->Attach(comm)) {
        if (comm < 0) {
            Trace("Invalid COMM Port handle passed in by TAPI");
        }
        if (!IsAborted()) {
            ShowMessageBoxId(IDS_MODEM_HANDLE_FAILED, MB_OK, true);
        }
        return 0;
    }
    if (!SetUpLinkPort(*serial)) {
        ShowMessageBoxId(IDS_PORT_SETUP_FAILED, MB_OK, true);
        return 0;
    }
    SetTransport(std::make_unique<platform::CarrierWatch>(std::move(serial)));
    if (!StartReader()) {
        ShowMessageBoxId(IDS_PORT_SETUP_FAILED, MB_OK, true);
        return 0;
    }
    const int connected = m_nConnectRate;
    if (GetMode() == CTapiLine::kModeAnswer) {
        m_nBaud = connected;
    }
    const int wanted = m_nBaud;
    m_strStatus = std::to_string(connected) + "/" + std::to_string(wanted);
    PostStatusMessage(STATUS_LINK_SPEED, m_strStatus);
    PostStatusMessage(STATUS_PORT_NAME, std::string(kPortNameText));
    m_strNotice = LoadText(IDS_PORT_OPENED);
    PostStatusMessage(STATUS_TEXT, m_strNotice);
    if (connected != wanted) {
        m_strNotice = platform::FillPrintfPlaceholders(
            LoadText(IDS_MODEM_WRONG_RATE),
            {std::to_string(connected), std::to_string(wanted), std::to_string(connected)});
        ShowMessageBox(m_strNotice, MB_OK, true);
        return 0;
    }
    return 1;
}

int CConnectionModem::Establish() {
    CommTrace("Establishing modem connection...");
    m_bEstablishing = true;
    PostConnectingNotices(m_strNumber);
    WaitMsgPump({}, kSettleMs, true);
    KickLogger();
    bool ok = IsGoodConnection(TIMEOUT_2000) != 0;
    if (!ok && GetTransport() != nullptr && !IsAborted() && !IsLinkLost()) {
        ok = IsGoodConnection(TIMEOUT_2000) != 0;
    }
    if (ok) {
        m_strStatus = LoadText(IDS_CONNECTED);
        PostStatusMessage(STATUS_CONNECTION_LABEL, m_strStatus);
        PostStatusMessage(STATUS_TEXT, std::string(" "));
    } else if (!IsAborted()) {
        ShowMessageBoxId(IDS_MODEM_ESTABLISH_FAILED, MB_OK, true);
    }
    m_bEstablishing = false;
    return ok ? 1 : 0;
}

void CConnectionModem::OnLinkLost(int) {
    // However the call's device stopped (the modem's "NO CARRIER", the device gone), the call is over.
    tapi_line_.OnCarrierLost();
}

int CConnectionModem::HangupCall() {
    CloseLink();
    return tapi_line_.HangupCall();
}
