// A thread with its own message queue that dispatches posted messages until asked to stop.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/base/message.h"
#include "platform/base/message_queue.h"
#include "platform/base/wait_while_pumping.h"

namespace platform {

// Handlers run one at a time on the thread, never one inside another's wait: messages that a wait
// does not take are dispatched after the current handler returns, in the order they were posted.
//
// The owner stops the thread before destroying the object: RequestStop(), then Join(). A derived class
// whose handlers use its own members must do so in its own destructor (StopAndJoin()), because by
// the time the base destructor runs those members are gone. If Join() times out, the object must be
// kept alive. The base destructor, as a last guard, requests a stop and waits for the thread without
// limit: a hang is reported on stderr but a running thread is never terminated or left on freed memory.
class WorkerThread {
public:
    WorkerThread();
    virtual ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Starts the thread once; false when it was started before.
    bool Start();
    // Queues a message for the thread; callable from any thread, also before Start().
    void Post(Message message);
    // Asks the loop, and any wait in progress, to end; wakes the thread.
    void RequestStop();
    bool StopRequested() const { return stop_requested_.load(); }
    // Waits up to `timeout` for the thread to end; true when it ended (or never started).
    bool Join(std::chrono::milliseconds timeout);
    // RequestStop() and Join() without limit.
    void StopAndJoin();
    bool Running() const;

    // Wakes a wait in progress so that it looks at its condition again; for other threads that
    // changed what that condition reads.
    void Wake() { queue_.Wake(); }

protected:
    virtual void OnMessage(Message& message) = 0;
    // Called on the thread before the first message and after the last one.
    virtual void OnStart() {}
    virtual void OnStop() {}

    // Inside a handler: waits up to `timeout` for done(), taking the queue meanwhile (see
    // wait_while_pumping.h). Stopped when a stop is requested.
    WaitResult WaitWhilePumping(const std::function<bool()>& done, std::chrono::milliseconds timeout,
                                const std::function<bool(Message&)>& takeDuringWait = {});

    MessageQueue& queue() { return queue_; }

private:
    void Run();
    void Loop();

    MessageQueue queue_;
    std::deque<Message> deferred_;  // only touched on the thread
    std::atomic<bool> stop_requested_{false};
    std::thread thread_;
    mutable std::mutex state_mutex_;
    std::mutex join_mutex_;
    std::condition_variable finished_changed_;
    bool started_ = false;
    bool finished_ = false;
};

}  // namespace platform
