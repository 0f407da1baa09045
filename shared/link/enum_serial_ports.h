// The serial ports of this machine as entries "<device> <description> (<device>)".
#pragma once

#include <string>
#include <vector>

#include "platform/io/serial_port_source.h"

// Appends one entry per port of `source`: the device name, then " <description> (<device>)" when the
// device describes itself, else " <driver>" when its driver is known, else nothing.
void EnumSerialPorts(std::vector<std::string>& ports, platform::SerialPortSource& source);
// The ports udev knows.
void EnumSerialPorts(std::vector<std::string>& ports);
