// Eventually: waits for a condition that another thread brings about (a simulator, a session), with a
// deadline generous enough for a loaded machine.
#pragma once

#include <chrono>
#include <thread>

namespace testsupport {

// False when `done` never came true within 30 s.
template <class Done>
bool Eventually(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace testsupport
