// The lamp notices of bytes sent and received. A link posts one for every piece it moves, many thousand
// a second on a fast link, and each would cost the window a message of its own, although a lamp only
// lights. A notice whose lamp still has one at the window is therefore not posted: that one lights the
// lamp all the same.
#pragma once

#include <array>
#include <atomic>
#include <memory>

#include "platform/base/message_target.h"

// Rides with a lamp notice: while it lives, its lamp has a notice at the window. The window may keep it
// until the lamp goes grey again.
class CLampNotice : public platform::Payload {
public:
    explicit CLampNotice(std::shared_ptr<std::atomic<bool>> atWindow) : at_window_(std::move(atWindow)) {}
    ~CLampNotice() override { at_window_->store(false); }
    CLampNotice(const CLampNotice&) = delete;
    CLampNotice& operator=(const CLampNotice&) = delete;

private:
    std::shared_ptr<std::atomic<bool>> at_window_;
};

class CLampNotices {
public:
    CLampNotices();

    // True for the codes of the lamps (bytes sent, bytes received).
    static bool IsLamp(unsigned code);

    // Posts WM_LINK_STATUS with the lamp's `code` and a CLampNotice to `window`, unless the lamp has a
    // notice there still.
    void Post(platform::MessageTarget& window, unsigned code) const;

private:
    // By lamp: a notice is at the window.
    std::array<std::shared_ptr<std::atomic<bool>>, 2> at_window_;
};
