// What the harmonics window and the session's capture loop share.
#include "kivo32/session/harmonics_window_link.h"

#include <utility>

CHarmonicsWindowLink::CHarmonicsWindowLink(HarmonicsWindowInfo info) : info_(std::move(info)) {}

void CHarmonicsWindowLink::Open(HarmonicsWindowSettings settings, std::function<void()> displayReady) {
    {
        std::lock_guard lock(mutex_);
        settings_ = std::move(settings);
        display_ready_ = std::move(displayReady);
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
        display_ready_ = {};
        waiting_display_.reset();
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
    std::function<void()> tell;
    {
        std::lock_guard lock(mutex_);
        if (!display_ready_) {
            return;
        }
        if (waiting_display_) {
            // Every display carries the last capture's spectrum: a redraw the replaced one asked for
            // is the newest one's to do.
            display.redrawSpectrum = display.redrawSpectrum || waiting_display_->redrawSpectrum;
        } else {
            tell = display_ready_;
        }
        waiting_display_ = std::move(display);
    }
    if (tell) {
        tell();
    }
}

std::optional<HarmonicsDisplay> CHarmonicsWindowLink::TakeDisplay() {
    std::lock_guard lock(mutex_);
    return std::exchange(waiting_display_, std::nullopt);
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
