// The lamp notices of bytes sent and received, one at the window at a time.
#include "shared/link/lamp_notices.h"

#include "shared/link/link_ids.h"

CLampNotices::CLampNotices()
    : at_window_{std::make_shared<std::atomic<bool>>(false), std::make_shared<std::atomic<bool>>(false)} {}

bool CLampNotices::IsLamp(unsigned code) {
    return code == STATUS_BYTES_SENT || code == STATUS_BYTES_RECEIVED;
}

void CLampNotices::Post(platform::MessageTarget& window, unsigned code) const {
    const std::shared_ptr<std::atomic<bool>>& atWindow = at_window_[code == STATUS_BYTES_SENT ? 0 : 1];
    if (atWindow->exchange(true)) {
        return;
    }
    // A refused message goes with its notice, so the lamp is free again.
    window.PostMessage(platform::Message(WM_LINK_STATUS, code, std::make_unique<CLampNotice>(atWindow)));
}
