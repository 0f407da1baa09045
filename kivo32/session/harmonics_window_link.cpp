// What the harmonics window and the session's capture loop share.
#include "kivo32/session/harmonics_window_link.h"

CHarmonicsWindowLink::CHarmonicsWindowLink(HarmonicsWindowInfo info) : info_(std::move(info)) {}

void CHarmonicsWindowLink::Open(HarmonicsWindowSettings settings,
                                std::function<void(HarmonicsDisplay)> show) {
    {
        std::lock_guard lock(mutex_);
        settings_ = std::move(settings);
        show_ = std::move(show);
    }
    opened_.store(true);
    Wake();
}

void CHarmonicsWindowLink::Press(HarmonicsButton button) {
    {
        std::lock_guard lock(mutex_);
        buttons_.push_back(button);
    }
    Wake();
}

void CHarmonicsWindowLink::Close() {
    {
        std::lock_guard lock(mutex_);
        show_ = {};
        buttons_.push_back({HarmonicsButton::Kind::Close, 0, {}});
    }
    closed_.store(true);
    Wake();
}

HarmonicsWindowSettings CHarmonicsWindowLink::Settings() const {
    std::lock_guard lock(mutex_);
    return settings_;
}

std::optional<HarmonicsButton> CHarmonicsWindowLink::Take() {
    std::lock_guard lock(mutex_);
    if (buttons_.empty()) {
        return std::nullopt;
    }
    HarmonicsButton button = buttons_.front();
    buttons_.pop_front();
    return button;
}

bool CHarmonicsWindowLink::HasButton() const {
    std::lock_guard lock(mutex_);
    return !buttons_.empty();
}

void CHarmonicsWindowLink::Show(HarmonicsDisplay display) {
    std::lock_guard lock(mutex_);
    if (show_) {
        show_(std::move(display));
    }
}

void CHarmonicsWindowLink::SetWaker(std::function<void()> wake) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(wake);
}

void CHarmonicsWindowLink::Wake() {
    std::lock_guard lock(mutex_);
    if (waker_) {
        waker_();
    }
}
