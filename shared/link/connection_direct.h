// CConnectionDirect: a link over a serial or USB-serial port. (Modem links, kind 2, come with the
// modem line.)
#pragma once

#include <string>

#include "shared/link/connection.h"

class CConnectionDirect : public CConnection {
public:
    // `portName` as the user chose it: the device name, maybe followed by a blank and a description.
    CConnectionDirect(std::string portName, int baud);

    int Create() override;
    int AttachPort() override { return 1; }
    int Establish() override;

    const std::string& GetPortName() const { return m_strPortName; }
    const std::string& GetDisplayPortName() const { return m_strDisplayPortName; }

    // How often the port's speed is set again before the second check gives up.
    static constexpr int kBaudRetries = 3;

private:
    std::string m_strPortName;
    std::string m_strDisplayPortName;
    int m_nConfiguredBaud;
};
