// CHarmonicsWindowLink: what the harmonics window on the user-interface thread and the session's capture
// loop share: what the window shows of the logger, the settings the loop starts from, the window's
// buttons (taken by the loop after its current capture), the newest display of the loop not yet taken by
// the window, and the window's close. The loop may capture far faster than a window can draw: a display
// not yet taken is replaced by the next, so the window shows the latest and is told once per take.
#pragma once

#include <array>
#include <atomic>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "kivo32/analysis/harmonics_loop.h"

// What the window shows of the logger, copied when the command starts.
struct HarmonicsWindowInfo {
    int typeCode = 0;
    std::string loggerId;
    std::string description;
    std::array<bool, 4> channels{};  // the channels of type 1, which the window offers
    int firstChannel = -1;           // the first of them; -1: none
};

// The window's settings the loop starts from.
struct HarmonicsWindowSettings {
    HarmonicsMode mode = HarmonicsMode::PercentOfFundamental;
    int refreshCount = 5;
    std::filesystem::path dataFolder;
};

class CHarmonicsWindowLink {
public:
    explicit CHarmonicsWindowLink(HarmonicsWindowInfo info);

    const HarmonicsWindowInfo& Info() const { return info_; }

    // From the window: it is there, with its settings; `displayReady` is called (on the loop's thread,
    // outside the link's lock) when a display waits where none waited before.
    void Open(HarmonicsWindowSettings settings, std::function<void()> displayReady);
    // From the window: a button, for the loop to take after its capture.
    void Press(HarmonicsButton button);
    // From the window: it goes. The loop finishes an open log and ends after its capture; no display is
    // kept any more.
    void Close();
    // From the window: the newest display not yet taken.
    std::optional<HarmonicsDisplay> TakeDisplay();

    // From the loop.
    bool IsOpen() const { return opened_.load(); }
    bool IsClosed() const { return closed_.load(); }
    HarmonicsWindowSettings Settings() const;
    std::optional<HarmonicsButton> Take();
    bool HasButton() const;
    void Show(HarmonicsDisplay display);
    // How to wake the loop's wait; an empty function once the loop has ended.
    void SetWaker(std::function<void()> wake);

private:
    void Wake();

    const HarmonicsWindowInfo info_;
    std::atomic<bool> opened_{false};
    std::atomic<bool> closed_{false};
    mutable std::mutex mutex_;
    HarmonicsWindowSettings settings_;
    std::function<void()> display_ready_;
    std::optional<HarmonicsDisplay> waiting_display_;
    std::deque<HarmonicsButton> buttons_;
    std::function<void()> waker_;
};
