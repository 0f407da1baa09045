// PollWaits: connection-test waits for tests without an event loop; they only wait, with each step's
// limit measured on a link clock that a test may scale.
#pragma once

#include <chrono>

#include "shared/link/discovery_test_socket.h"

class LinkClock;

class PollWaits : public CTestSocket::Waits {
public:
    explicit PollWaits(const LinkClock& clock) : clock_(clock) {}
    void BeginStep(std::chrono::milliseconds limit) override;
    bool WaitReady(int fd, bool forWriting) override;

private:
    const LinkClock& clock_;
    std::chrono::steady_clock::time_point deadline_;
};
