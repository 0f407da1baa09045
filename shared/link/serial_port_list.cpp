// GetSerialPortList: the serial ports present, ordered by the known-port list.
#include "shared/link/serial_port_list.h"

#include "shared/link/enum_serial_ports.h"
#include "shared/link/port_names.h"
#include "shared/link/recent_port_list.h"

void GetSerialPortList(std::vector<std::string>& ports, int& count, platform::SerialPortSource& source) {
    ports.clear();
    EnumSerialPorts(ports, source);
    CRecentPortList known;
    if (known.Load()) {
        known.OrderPorts(ports, SamePort);
    }
    // Cut after ordering, so that a remembered port is never the one left out.
    if (ports.size() > static_cast<std::size_t>(kMaxSerialPortList)) {
        ports.resize(kMaxSerialPortList);
    }
    count = static_cast<int>(ports.size());
}

void GetSerialPortList(std::vector<std::string>& ports, int& count) {
    platform::UdevSerialPortSource source;
    GetSerialPortList(ports, count, source);
}
