// CConnectionDirect: a link over a serial or USB-serial port. (Modem links, kind 2, are
// CConnectionModem.)
#pragma once

#include <memory>
#include <string>

#include "shared/link/connection.h"

class CSerialPort;

class CConnectionDirect : public CConnection {
public:
    // `portName` as the user chose it: the device name, maybe followed by a blank and a description.
    CConnectionDirect(const CLinkContext& context, std::string portName, int baud);
    // A direct link over a transport that is open already (an in-process pair to a simulated logger):
    // Create takes it instead of opening a port.
    CConnectionDirect(const CLinkContext& context, std::unique_ptr<platform::ByteTransport> transport, int baud);

    int Create() override;
    int AttachPort() override { return 1; }
    int Establish() override;

    const std::string& GetPortName() const { return port_name_; }
    const std::string& GetDisplayPortName() const { return display_port_name_; }

    // How often the port's speed is set again before the second check gives up.
    static constexpr int kBaudRetries = 3;

private:
    // The port opened and set up for the link, nullptr on failure (told to the user).
    std::unique_ptr<CSerialPort> OpenPort(const std::string& port);

    std::unique_ptr<platform::ByteTransport> given_transport_;
    std::string port_name_;
    std::string display_port_name_;
    int configured_baud_;
};
