// CConnectionModem: a link over a modem call, dialled out (mode 1) or answered (mode 2); once the call
// is connected its device is attached as a serial port and the logger protocol runs over it.
#pragma once

#include <string>

#include "shared/link/connection.h"
#include "shared/link/tapi_line.h"

class CConnectionModem : public CConnection {
public:
    // Mode CTapiLine::kModeDialOut with the number and the configured baud, or CTapiLine::kModeAnswer
    // (number and baud are then not used: the answered call's rate becomes the baud).
    CConnectionModem(const CLinkContext& context, std::string number, int baud, int mode);
    ~CConnectionModem() override;

    // Dial out: the line made ready, the number dialled and the call attached. Answer: the line left
    // waiting for a call; the session attaches the port once the call is answered. 1 success.
    int Create() override;
    // Attaches the connected call's device; the negotiated rate must be the configured one. 1 success.
    int AttachPort() override;
    int Establish() override;
    // The link is closed and the call dropped. The line stays open for the next call in answer mode.
    int HangupCall() override;

    CTapiLine& GetTapiLine() { return tapi_line_; }
    int GetMode() const { return tapi_line_.GetMode(); }
    // Set when the far end ended the call in the normal way.
    bool IsNormalDisconnect() const { return normal_disconnect_; }
    void SetNormalDisconnect(bool normal) { normal_disconnect_ = normal; }
    // The text "Modem" shown as the port name.
    static constexpr const char* kPortNameText = "Modem";

private:
    void OnLinkLost(int error) override;

    CTapiLine tapi_line_;
    std::string m_strNumber;
    bool normal_disconnect_ = false;
};
