// GetSerialPortList: the serial ports present, in the order the known-port list gives them, for the
// lists that offer the user a port.
#pragma once

#include <string>
#include <vector>

#include "platform/io/serial_port_source.h"

// The most ports the list holds.
inline constexpr int kMaxSerialPortList = 16;

// Fills `ports` with the entries of the ports of `source` (EnumSerialPorts): the ports of the known-port
// list first, in its order and without the ones it hides, then the others, at most 16; `count` is
// their number.
void GetSerialPortList(std::vector<std::string>& ports, int& count, platform::SerialPortSource& source);
// The same for the ports udev knows.
void GetSerialPortList(std::vector<std::string>& ports, int& count);
