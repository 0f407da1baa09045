// CTerminalTrafficRelay: the link traffic on its way to the terminal window. The read thread and the
// session thread hand over their bytes here and go on at once; each piece is posted, as an owned copy,
// to the window's queue, so the window takes every line on the user-interface thread in the order the
// pieces came.
#pragma once

#include <memory>
#include <mutex>
#include <string_view>

#include "kivo32/tools/terminal_traffic.h"
#include "platform/base/message_target.h"
#include "platform/base/window_messages.h"

// To the terminal window: wParam the TrafficKind, payload the bytes as a std::string.
inline constexpr unsigned WM_TERMINAL_TRAFFIC = WM_APP + 0xE9;

class CTerminalTrafficRelay {
public:
    // The window that takes the traffic from now on; nullptr when it is gone.
    void Attach(std::shared_ptr<platform::MessageTarget> window);
    // From any thread; nothing happens without a window.
    void Post(TrafficKind kind, std::string_view bytes);

private:
    std::mutex mutex_;
    std::shared_ptr<platform::MessageTarget> window_;
};
