// Tests of the worker thread: dispatch, waiting while pumping, cancel, time-out, stop and join.
#include "platform/base/worker_thread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/window_messages.h"

namespace platform {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Log = std::vector<std::string>;

constexpr unsigned kWaitForReply = WM_APP + 1;  // its handler waits for a reply or a cancel
constexpr unsigned kCancel = WM_APP + 2;
constexpr unsigned kPlain = WM_APP + 3;
constexpr unsigned kThrow = WM_APP + 4;

const char* ResultName(WaitResult result) {
    switch (result) {
        case WaitResult::Done:
            return "done";
        case WaitResult::TimedOut:
            return "timed out";
        case WaitResult::Stopped:
            return "stopped";
    }
    return "?";
}

// A session-like worker: a kWaitForReply handler waits for a reply, taking kCancel meanwhile; every
// step goes into a log the test can wait on.
class RecordingWorker : public WorkerThread {
public:
    explicit RecordingWorker(std::chrono::milliseconds replyTimeout = 10s) : reply_timeout_(replyTimeout) {}
    ~RecordingWorker() override { StopAndJoin(); }

    Log Entries() const {
        std::lock_guard lock(mutex_);
        return log_;
    }
    // Waits until `entry` is logged; false after a generous limit (the test then fails, not hangs).
    bool AwaitEntry(const std::string& entry) {
        std::unique_lock lock(mutex_);
        return logged_.wait_for(lock, 5s,
                                [&] { return std::find(log_.begin(), log_.end(), entry) != log_.end(); });
    }
    // What a port read thread does when bytes arrive.
    void ArriveReply() {
        reply_arrived_ = true;
        Wake();
    }

protected:
    void OnStart() override { Record("start"); }
    void OnStop() override { Record("stop"); }
    void OnMessage(Message& message) override {
        const std::string name = std::to_string(message.wParam);
        switch (message.id) {
            case kWaitForReply: {
                Record("wait " + name);
                bool cancelled = false;
                const WaitResult result =
                    WaitWhilePumping([&] { return reply_arrived_.load() || cancelled; }, reply_timeout_,
                                     [&](Message& taken) {
                                         cancelled = cancelled || taken.id == kCancel;
                                         return taken.id == kCancel;
                                     });
                Record("wait " + name + " " + ResultName(result));
                break;
            }
            case kThrow:
                throw std::runtime_error("handler failed");
            default:
                Record("message " + name);
        }
    }

private:
    void Record(std::string entry) {
        {
            std::lock_guard lock(mutex_);
            log_.push_back(std::move(entry));
        }
        logged_.notify_all();
    }

    const std::chrono::milliseconds reply_timeout_;
    mutable std::mutex mutex_;
    std::condition_variable logged_;
    Log log_;
    std::atomic<bool> reply_arrived_{false};
};

TEST(WorkerThreadTest, DispatchesInOrderAndStopsWhenAsked) {
    RecordingWorker worker;
    worker.Post(Message{kPlain, 1});  // posted before the start: kept
    EXPECT_TRUE(worker.Start());
    EXPECT_FALSE(worker.Start());
    worker.Post(Message{kPlain, 2});
    worker.Post(Message{kPlain, 3});
    ASSERT_TRUE(worker.AwaitEntry("message 3"));
    EXPECT_TRUE(worker.Running());
    worker.RequestStop();
    EXPECT_TRUE(worker.StopRequested());
    EXPECT_TRUE(worker.Join(5s));
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(worker.Entries(), (Log{"start", "message 1", "message 2", "message 3", "stop"}));
}

TEST(WorkerThreadTest, ACancelIsTakenInsideTheWaitAndOtherMessagesRunAfterTheHandler) {
    RecordingWorker worker;
    worker.Start();
    worker.Post(Message{kWaitForReply, 1});
    ASSERT_TRUE(worker.AwaitEntry("wait 1"));
    const auto start = Clock::now();
    worker.Post(Message{kPlain, 2});
    worker.Post(Message{kCancel, 99});
    worker.Post(Message{kPlain, 3});
    ASSERT_TRUE(worker.AwaitEntry("message 3"));
    EXPECT_LT(Clock::now() - start, 5s) << "the cancel must end the wait, not its time-out";
    // The cancel went to the wait alone ("message 99" never appears).
    EXPECT_EQ(worker.Entries(), (Log{"start", "wait 1", "wait 1 done", "message 2", "message 3"}));
}

TEST(WorkerThreadTest, ADeferredHandlerThatWaitsRunsBeforeTheMessagesAfterIt) {
    RecordingWorker worker;
    worker.Start();
    worker.Post(Message{kWaitForReply, 1});
    ASSERT_TRUE(worker.AwaitEntry("wait 1"));
    worker.Post(Message{kWaitForReply, 2});
    worker.Post(Message{kPlain, 3});
    worker.Post(Message{kCancel});
    // Wait 2 starts only after wait 1 has ended, and message 3 keeps its place behind it.
    ASSERT_TRUE(worker.AwaitEntry("wait 2"));
    EXPECT_EQ(worker.Entries(), (Log{"start", "wait 1", "wait 1 done", "wait 2"}));
    worker.Post(Message{kCancel});
    ASSERT_TRUE(worker.AwaitEntry("message 3"));
    EXPECT_EQ(worker.Entries(),
              (Log{"start", "wait 1", "wait 1 done", "wait 2", "wait 2 done", "message 3"}));
}

TEST(WorkerThreadTest, AWakeFromAnotherThreadEndsTheWaitAtOnce) {
    RecordingWorker worker;
    worker.Start();
    worker.Post(Message{kWaitForReply, 1});
    ASSERT_TRUE(worker.AwaitEntry("wait 1"));
    const auto start = Clock::now();
    std::thread reader([&] { worker.ArriveReply(); });
    reader.join();
    ASSERT_TRUE(worker.AwaitEntry("wait 1 done"));
    EXPECT_LT(Clock::now() - start, 5s);
}

TEST(WorkerThreadTest, AWaitWithoutReplyTimesOut) {
    RecordingWorker worker(20ms);
    worker.Start();
    const auto start = Clock::now();
    worker.Post(Message{kWaitForReply, 1});
    ASSERT_TRUE(worker.AwaitEntry("wait 1 timed out"));
    EXPECT_GE(Clock::now() - start, 20ms);
}

TEST(WorkerThreadTest, AStopEndsAWaitAndJoinReportsWhetherTheThreadEnded) {
    RecordingWorker worker;
    worker.Start();
    worker.Post(Message{kWaitForReply, 1});
    worker.Post(Message{kPlain, 2});
    ASSERT_TRUE(worker.AwaitEntry("wait 1"));
    EXPECT_FALSE(worker.Join(10ms)) << "the thread is still waiting";
    EXPECT_TRUE(worker.Running());
    worker.RequestStop();
    EXPECT_TRUE(worker.Join(5s));
    // Nothing is dispatched after a stop.
    EXPECT_EQ(worker.Entries(), (Log{"start", "wait 1", "wait 1 stopped", "stop"}));
    EXPECT_TRUE(worker.Join(0ms)) << "joining again is harmless";
}

TEST(WorkerThreadTest, AHandlerExceptionEndsTheThreadWithoutCrossingIt) {
    RecordingWorker worker;
    worker.Start();
    worker.Post(Message{kThrow});
    worker.Post(Message{kPlain, 2});
    EXPECT_TRUE(worker.Join(5s));
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(worker.Entries(), (Log{"start"}));
}

TEST(WorkerThreadTest, ANeverStartedWorkerJoinsAndIsDestroyedAtOnce) {
    RecordingWorker worker;
    EXPECT_TRUE(worker.Join(0ms));
    EXPECT_FALSE(worker.Running());
}

TEST(WaitWhilePumpingTest, OnAPlainThreadKeepsUntakenMessagesAndSeesStops) {
    MessageQueue queue;
    std::deque<Message> deferred;
    queue.Post(Message{kPlain, 1});
    std::atomic<bool> ready{false};
    std::thread reader([&] {
        ready = true;
        queue.Wake();
    });
    std::vector<unsigned> offered;
    const auto result = WaitWhilePumping(
        queue, deferred, [&] { return ready.load(); }, 10s,
        [&](Message& message) {
            offered.push_back(message.id);
            return false;
        });
    reader.join();
    EXPECT_EQ(result, WaitResult::Done);
    EXPECT_EQ(offered, std::vector<unsigned>{kPlain});
    ASSERT_EQ(deferred.size(), 1u);
    EXPECT_EQ(deferred.front().wParam, 1u);

    std::atomic<bool> stop{true};
    EXPECT_EQ(WaitWhilePumping(
                  queue, deferred, [] { return false; }, 10s, {}, &stop),
              WaitResult::Stopped);
    EXPECT_EQ(WaitWhilePumping(queue, deferred, [] { return false; }, 5ms, {}), WaitResult::TimedOut);
}

}  // namespace
}  // namespace platform
