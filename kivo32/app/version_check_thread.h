// CVersionCheckThread: the thread one update check of the user-interface thread's callers runs on, so
// that its fetches never hold the windows; its questions can be left unasked when the program ends.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

#include "platform/base/answer_wait.h"
#include "platform/base/job_thread.h"

class CVersionCheckThread : private platform::AnswerWait {
public:
    // Runs `check` on a thread of its own; when no thread can be made the check is left out (and traced).
    explicit CVersionCheckThread(std::function<void()> check);
    CVersionCheckThread(const CVersionCheckThread&) = delete;
    CVersionCheckThread& operator=(const CVersionCheckThread&) = delete;

    bool Finished() const { return thread_.Finished(); }
    // The question the check waits for and every later one go unanswered (as cancelled), so that the
    // check ends without the user-interface thread.
    void RequestStop();

private:
    // The check's wait for an answer of the user-interface thread: until answered or stopped.
    bool Wait(const std::function<bool()>& answered) override;
    void Wake() override;

    std::mutex mutex_;
    std::condition_variable changed_;
    bool stop_ = false;
    bool woken_ = false;
    // Last: the thread starts once the members it uses exist, and is waited for before they go (the check
    // may hold the user-interface thread's settings and the session's reading).
    platform::JobThread thread_;
};
