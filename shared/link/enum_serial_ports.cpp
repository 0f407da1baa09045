// Serial-port entries from a port source.
#include "shared/link/enum_serial_ports.h"

void EnumSerialPorts(std::vector<std::string>& ports, platform::SerialPortSource& source) {
    for (const platform::SerialPortInfo& port : source.Ports()) {
        if (port.name.empty()) {
            continue;
        }
        if (!port.description.empty()) {
            ports.push_back(port.name + " " + port.description + " (" + port.name + ")");
        } else if (!port.driver.empty()) {
            ports.push_back(port.name + " " + port.driver);
        } else {
            ports.push_back(port.name);
        }
    }
}

void EnumSerialPorts(std::vector<std::string>& ports) {
    platform::UdevSerialPortSource source;
    EnumSerialPorts(ports, source);
}
