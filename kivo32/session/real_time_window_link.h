// CRealTimeWindowLink: what a real-time values window on the user-interface thread and the session's
// update loop share: which window to show for which logger, the logger's setup as the window shows it,
// the window's controls as flags the loop reads (close, hold, refresh count, capture), and the records
// the loop delivers to the window.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "kivo32/session/real_time_record.h"
#include "platform/base/message_target.h"

class CRealTimeWindowLink {
public:
    CRealTimeWindowLink(std::string dialogName, int typeCode, std::vector<int> selection,
                        RealTimeSetup setup = {});

    // The window's class name: "CRTVTextStandardDlg", "CRTVGraphLiteDlg"...
    const std::string& DialogName() const { return dialog_name_; }
    int TypeCode() const { return type_code_; }
    // The channel selection of a graph (seven words); empty for the text windows.
    const std::vector<int>& Selection() const { return selection_; }
    // What the window shows of the logger and its setup; fixed while the window is open.
    const RealTimeSetup& Setup() const { return setup_; }

    // From the user-interface thread: the window shows, with its refresh count and where the loop's
    // records go. The loop waits for this (or the close) before its first fetch.
    void Open(int refreshCount, std::shared_ptr<platform::MessageTarget> window);
    bool IsOpen() const { return open_.load(); }
    // The window closed; the loop ends after the running logger command.
    void Close();
    bool IsClosed() const { return closed_.load(); }
    // Run (false) and Hold (true). Run starts the refresh count afresh.
    void Hold(bool held);
    bool IsHeld() const { return held_.load(); }
    // The loop holds by itself when its count ran out.
    void HoldFromLoop() { held_.store(true); }
    // True once after each Run.
    bool TakeRestart() { return restart_.exchange(false); }
    void SetRefreshCount(int count) { refresh_count_.store(count); }
    int RefreshCount() const { return refresh_count_.load(); }
    // A waveform capture of channel 0-3 wanted from the loop; -1 when none is. The loop takes it.
    void RequestCapture(int channel);
    int TakeCaptureRequest() { return capture_channel_.exchange(-1); }
    bool HasCaptureRequest() const { return capture_channel_.load() >= 0; }
    // The channel (0-3) a continuous capture reads while the window runs it (not held).
    void SetContinuousChannel(int channel) { continuous_channel_.store(channel); }
    int ContinuousChannel() const { return continuous_channel_.load(); }

    // From the loop: a message (a record, a capture) to the window; dropped before it opens or once it
    // closed.
    void Deliver(platform::Message message);
    // From the session: how to wake its loop; an empty function once the loop has ended.
    void SetWaker(std::function<void()> wake);

private:
    void Wake();

    const std::string dialog_name_;
    const int type_code_;
    const std::vector<int> selection_;
    const RealTimeSetup setup_;
    std::atomic<bool> open_{false};
    std::atomic<bool> closed_{false};
    std::atomic<bool> held_{false};
    std::atomic<bool> restart_{false};
    std::atomic<int> refresh_count_{0};
    std::atomic<int> capture_channel_{-1};
    std::atomic<int> continuous_channel_{0};
    std::mutex mutex_;
    std::function<void()> waker_;
    std::shared_ptr<platform::MessageTarget> window_;
};
