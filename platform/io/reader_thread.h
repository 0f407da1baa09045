// ReaderThread: the one thread that reads for a port, a socket, a device watch or the simulator, and
// that a stop ends even while it waits in poll().
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

#include "platform/io/wake_event.h"

namespace platform {

class ReaderThread {
public:
    enum class Wait { Readable, Stopped, TimedOut, Failed };

    ReaderThread() = default;
    // Stops and joins the thread.
    ~ReaderThread();
    ReaderThread(const ReaderThread&) = delete;
    ReaderThread& operator=(const ReaderThread&) = delete;

    // Runs `body` on a new thread; false when one is already running or no thread could be made.
    bool Start(std::function<void()> body);
    // Asks the body to end, wakes its wait and joins it; from the reader's own thread it only asks.
    // True when a thread was running.
    bool Stop();
    // Stop, waiting at most `limit` for the body to end. False when it did not: it is left running,
    // and its owner must keep alive everything the body uses (this object included).
    bool StopWithin(std::chrono::milliseconds limit);

    bool Running() const { return thread_.joinable(); }
    // True from Stop() on: a stop asked before the body's first turn holds.
    bool StopRequested() const { return stop_.stop_requested(); }
    // Readable once a stop was asked, for a poll() that watches other descriptors too.
    int StopFd() const { return wake_.fd(); }

    // Waits until `fd` has input, a hang-up or an error to report, or a stop; -1 waits without limit.
    Wait WaitReadable(int fd, int timeoutMs = -1) const;

private:
    void RequestStop();

    WakeEvent wake_;
    std::stop_source stop_;
    // The running body's thread, so that a stop from within it never touches `thread_`.
    std::atomic<std::thread::id> reader_id_;
    std::mutex ended_mutex_;
    std::condition_variable ended_changed_;
    bool ended_ = false;
    std::jthread thread_;
};

}  // namespace platform
