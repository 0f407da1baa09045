// A serial-port source that lists the ports a test gives it, so that no test reads this machine's ports.
#pragma once

#include <utility>
#include <vector>

#include "platform/io/serial_port_source.h"

namespace testsupport {

class FakeSerialPortSource : public platform::SerialPortSource {
public:
    explicit FakeSerialPortSource(std::vector<platform::SerialPortInfo> ports) : ports_(std::move(ports)) {}
    std::vector<platform::SerialPortInfo> Ports() override { return ports_; }

private:
    std::vector<platform::SerialPortInfo> ports_;
};

}  // namespace testsupport
