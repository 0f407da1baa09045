// CTerminalTrafficRelay: posting link traffic to the terminal window.
#include "kivo32/tools/terminal_traffic_relay.h"

#include <string>
#include <utility>

void CTerminalTrafficRelay::Attach(std::shared_ptr<platform::MessageTarget> window) {
    std::lock_guard lock(mutex_);
    window_ = std::move(window);
}

void CTerminalTrafficRelay::Post(TrafficKind kind, std::string_view bytes) {
    // Posted under the lock, so that two threads' pieces keep the order in which they took it.
    std::lock_guard lock(mutex_);
    if (window_) {
        window_->PostMessage(platform::Message(WM_TERMINAL_TRAFFIC, static_cast<std::uintptr_t>(kind),
                                               platform::MakePayload(std::string(bytes))));
    }
}
