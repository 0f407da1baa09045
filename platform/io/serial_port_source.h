// The serial ports present on this machine, as a source that tests can replace.
#pragma once

#include <string>
#include <vector>

namespace platform {

struct SerialPortInfo {
    std::string name;         // device name, opened at /dev/<name>: "ttyUSB0"
    std::string description;  // what the device calls itself ("FT232R USB UART"), or empty
    std::string driver;       // the kernel driver ("ftdi_sio", "serial8250"), or empty
};

class SerialPortSource {
public:
    virtual ~SerialPortSource();
    virtual std::vector<SerialPortInfo> Ports() = 0;
};

// The ports that udev knows, in the order of their names (ttyS2 before ttyS10). Ports of the
// standard serial driver are listed only when hardware answers behind them.
class UdevSerialPortSource : public SerialPortSource {
public:
    std::vector<SerialPortInfo> Ports() override;
};

// Orders port names by their letters, then by their number: ttyACM0, ttyS2, ttyS10, ttyUSB0.
bool PortNameLess(const std::string& a, const std::string& b);

}  // namespace platform
