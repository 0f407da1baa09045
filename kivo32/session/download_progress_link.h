// CDownloadProgressLink: what the download progress window on the user-interface thread and the
// session's download share. The download writes through DownloadProgressSink and never waits for the
// window: each write keeps the newest value and wakes the window once; the window takes the newest
// state when it gets to it, so a busy screen skips positions rather than slow the download.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "shared/logger/download_progress_sink.h"

class CDownloadProgressLink : public DownloadProgressSink {
public:
    // What the window shows.
    struct State {
        std::string operation;
        std::string step;
        std::string log;
        int progress = 0;
        bool activity = false;
        bool closed = false;  // the download has ended: the window goes
    };

    void SetOperationText(std::string text) override;
    void SetLogText(std::string text) override;
    void SetStepText(std::string text) override;
    void SetStatusLine(std::string text) override;
    void SetProgress(int percent) override;
    void EnableActivityTimer(bool on) override;

    // From the session: the download has ended.
    void Close();

    // From the window: how to wake it (a post to the user-interface thread, never a wait); an empty
    // function once it is gone. A change that came before wakes it at once.
    void SetWaker(std::function<void()> wake);
    // From the window: the newest state; the next change wakes the window again.
    State Take();

private:
    template <class Change>
    void Update(Change&& change);

    std::mutex mutex_;
    State state_;
    bool changed_ = false;       // a change the window has not taken yet
    bool wake_pending_ = false;  // the window was woken and has not taken the state since
    std::function<void()> waker_;
};

// Ends the download progress window the session holds, if any, and lets go of it.
void CloseDownloadDialog(std::shared_ptr<CDownloadProgressLink>& window);
