// LoopbackDatagrams: keeps a test's datagrams on 127.0.0.1. While it lives every datagram target is
// recorded and any other address is refused (the send fails with EPERM), so a test can show that
// nothing left the machine.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/io/udp_socket.h"

namespace testsupport {

class LoopbackDatagrams {
public:
    LoopbackDatagrams() {
        platform::SetDatagramTargetGuard([this](const std::string& address, std::uint16_t) {
            std::lock_guard lock(mutex_);
            targets_.push_back(address);
            return address == "127.0.0.1";
        });
    }
    ~LoopbackDatagrams() { platform::SetDatagramTargetGuard({}); }
    LoopbackDatagrams(const LoopbackDatagrams&) = delete;
    LoopbackDatagrams& operator=(const LoopbackDatagrams&) = delete;

    // Every address a datagram was to go to, refused ones included, in order.
    std::vector<std::string> Targets() const {
        std::lock_guard lock(mutex_);
        return targets_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> targets_;
};

}  // namespace testsupport
