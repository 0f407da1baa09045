// The direct link: open and configure the port, start its read thread, check that a logger answers.
#include "shared/link/connection_direct.h"

#include <errno.h>

#include "platform/base/program_texts.h"
#include "shared/common/app_context.h"
#include "shared/common/error_texts.h"
#include "shared/common/message_box.h"
#include "shared/link/link_ids.h"
#include "shared/link/link_texts.h"
#include "shared/link/port_names.h"
#include "shared/link/recent_port_list.h"

CConnectionDirect::CConnectionDirect(std::string portName, int baud)
    : CConnection(kLinkDirect), m_strPortName(std::move(portName)), m_nConfiguredBaud(baud) {}

int CConnectionDirect::Create() {
    PostLinkOpening();
    m_nBaud = m_nConfiguredBaud;
    if (!CConnection::Create()) {
        return 0;
    }
    const std::string port = TrimAtFirstSpace(m_strPortName);
    if (port.empty()) {
        return 0;
    }
    CSerialPort& serial = *m_pSerialPort;
    if (!serial.Open(port)) {
        // A port that is not there fails silently; anything else is the system's error.
        if (serial.LastError() != ENOENT) {
            ShowSystemErrorMessage(serial.LastError(), FormatLinkText(IDS_PORT_OPEN_FAILED, {port}),
                                   LoadText(IDS_PORT_OPEN_FAILED_TITLE));
        }
        return 0;
    }
    PrepareReader();
    const bool configured = serial.SetBaud(m_nBaud) && serial.SetByteFormat(NOPARITY, 8, ONESTOPBIT) &&
                            serial.SetFlowControl(0, 100, 100, 0x11, 0x13) &&
                            serial.SetBufferSizes(ReceiveBuffer::kCapacity, kTxCapacity) &&
                            serial.SetReadTimeouts(MAXDWORD, 0, 0) && serial.SetWriteTimeouts(0, 1000) &&
                            serial.StartReadThread([this] { RunSerialReader(); });
    if (!configured) {
        ShowMessageBoxId(IDS_PORT_SETUP_FAILED, MB_OK, true);
        return 0;
    }
    m_strBaudText = std::to_string(m_nBaud);
    PostStatusMessage(STATUS_LINK_SPEED, m_strBaudText);
    m_strDisplayPortName = LinkDisplayName(m_strPortName);
    PostStatusMessage(STATUS_PORT_NAME, m_strDisplayPortName);
    m_strNotice = LoadText(IDS_PORT_OPENED);
    PostStatusMessage(STATUS_TEXT, m_strNotice);
    return 1;
}

int CConnectionDirect::Establish() {
    CommTrace("Establishing direct connection...");
    const int baud = m_nBaud;
    m_bEstablishing = true;
    bool ok = false;
    if (m_pSerialPort) {
        const std::string current = TrimAtFirstSpace(GetAppContext().GetPortName());
        const std::string port = TrimAtFirstSpace(m_strPortName);
        m_strStatus = current == port ? FormatLinkText(IDS_CHECKING_PORT, {m_strPortName})
                                      : FormatLinkText(IDS_CHECKING_OTHER_PORT, {current, m_strPortName});
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
    CRecentPortList known;
    known.Load();
    known.AddToTop(TrimAtFirstSpace(m_strPortName), CRecentPortList::kShown);
    known.Save();
    m_bEstablishing = false;
    return 1;
}
