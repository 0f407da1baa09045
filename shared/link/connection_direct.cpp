// The direct link: open and configure the port, start its read thread, check that a logger answers.
#include "shared/link/connection_direct.h"

#include <errno.h>

#include "platform/base/program_texts.h"
#include "platform/io/serial_port.h"
#include "shared/common/app_context.h"
#include "shared/common/error_texts.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/link_ids.h"
#include "shared/link/link_texts.h"
#include "shared/link/port_names.h"
#include "shared/link/recent_port_list.h"

CConnectionDirect::CConnectionDirect(const CLinkContext& context, std::string portName, int baud)
    : CConnection(kLinkDirect, kSerialLinkTraits, context),
      port_name_(std::move(portName)),
      configured_baud_(baud) {}

CConnectionDirect::CConnectionDirect(const CLinkContext& context,
                                     std::unique_ptr<platform::ByteTransport> transport, int baud)
    : CConnection(kLinkDirect, kSerialLinkTraits, context),
      given_transport_(std::move(transport)),
      configured_baud_(baud) {}

std::unique_ptr<CSerialPort> CConnectionDirect::OpenPort(const std::string& port) {
    auto serial = std::make_unique<CSerialPort>([](const std::string& line) { Trace(line); });
    if (!serial->Open(port)) {
        // A port that is not there fails silently; anything else is the system's error.
        if (serial->LastError() != ENOENT) {
            ShowSystemErrorMessage(serial->LastError(), FormatLinkText(IDS_PORT_OPEN_FAILED, {port}),
                                   LoadText(IDS_PORT_OPEN_FAILED_TITLE));
        }
        return nullptr;
    }
    const bool configured =
        serial->SetBaud(m_nBaud) && serial->SetByteFormat(NOPARITY, 8, ONESTOPBIT) && SetUpLinkPort(*serial);
    if (!configured) {
        ShowMessageBoxId(IDS_PORT_SETUP_FAILED, MB_OK, true);
        return nullptr;
    }
    return serial;
}

int CConnectionDirect::Create() {
    PostLinkOpening();
    m_nBaud = configured_baud_;
    if (!CConnection::Create()) {
        return 0;
    }
    if (given_transport_) {
        SetTransport(std::move(given_transport_));
    } else {
        const std::string port = TrimAtFirstSpace(port_name_);
        if (port.empty()) {
            return 0;
        }
        std::unique_ptr<CSerialPort> serial = OpenPort(port);
        if (!serial) {
            return 0;
        }
        SetTransport(std::move(serial));
    }
    if (!StartReader()) {
        ShowMessageBoxId(IDS_PORT_SETUP_FAILED, MB_OK, true);
        return 0;
    }
    m_strBaudText = std::to_string(m_nBaud);
    PostStatusMessage(STATUS_LINK_SPEED, m_strBaudText);
    display_port_name_ = LinkDisplayName(port_name_);
    PostStatusMessage(STATUS_PORT_NAME, display_port_name_);
    m_strNotice = LoadText(IDS_PORT_OPENED);
    PostStatusMessage(STATUS_TEXT, m_strNotice);
    return 1;
}

int CConnectionDirect::Establish() {
    CommTrace("Establishing direct connection...");
    const int baud = m_nBaud;
    m_bEstablishing = true;
    bool ok = false;
    if (GetTransport() != nullptr) {
        const std::string current = TrimAtFirstSpace(App().GetPortName());
        const std::string port = TrimAtFirstSpace(port_name_);
        // The device names alone: a port list entry may carry a description after its name.
        m_strStatus = current == port ? FormatLinkText(IDS_CHECKING_PORT, {port})
                                      : FormatLinkText(IDS_CHECKING_OTHER_PORT, {current, port});
        PostStatusMessage(STATUS_TEXT, m_strStatus);
        ok = IsGoodConnection(TIMEOUT_2000) != 0;
        if (!ok) {
            for (int attempt = 0; attempt < kBaudRetries && !IsAborted(); ++attempt) {
                if (SetPortBaud(baud)) {
                    break;
                }
            }
            ok = IsGoodConnection(TIMEOUT_4000) != 0;
        }
    }
    m_nBaud = baud;
    // An aborted check is a failure too, never a connected link.
    if (!ok) {
        m_bEstablishing = false;
        return 0;
    }
    m_strStatus = LoadText(IDS_CONNECTED);
    PostStatusMessage(STATUS_CONNECTION_LABEL, m_strStatus);
    if (const std::string port = TrimAtFirstSpace(port_name_); !port.empty()) {
        CRecentPortList known;
        known.Load();
        known.AddToTop(port, CRecentPortList::kShown);
        known.Save();
    }
    m_bEstablishing = false;
    return 1;
}
