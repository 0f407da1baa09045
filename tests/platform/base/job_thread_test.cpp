// Tests of the job thread: a start the system refuses, a stop asked while the job waits, and the stop and
// join when its owner goes.
#include "platform/base/job_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "tests/support/eventually.h"

namespace platform {
namespace {

// Waits until the job's stop is asked; the way a job sleeps between its turns.
void WaitForStop(const std::stop_token& stop) {
    std::mutex mutex;
    std::condition_variable_any changed;
    std::unique_lock lock(mutex);
    changed.wait(lock, stop, [] { return false; });
}

TEST(JobThreadTest, ARefusedStartRunsNothingAndTellsTheSystemsError) {
    std::atomic<int> runs{0};
    JobThread thread;
    {
        const FailedJobStarts refused(std::errc::resource_unavailable_try_again);
        EXPECT_EQ(thread.Start([&](std::stop_token) { ++runs; }),
                  std::make_error_code(std::errc::resource_unavailable_try_again));
        EXPECT_FALSE(thread.Running());
        EXPECT_TRUE(thread.Finished());
        thread.Join();
    }
    // The same object starts once the system gives threads again.
    EXPECT_FALSE(thread.Start([&](std::stop_token) { ++runs; }));
    thread.Join();
    EXPECT_EQ(runs.load(), 1);
    EXPECT_TRUE(thread.Finished());
}

TEST(JobThreadTest, AStopEndsAWaitingJobAndASecondStartIsRefusedUntilItWasJoined) {
    std::atomic<bool> waiting{false};
    JobThread thread;
    ASSERT_FALSE(thread.Start([&](const std::stop_token& stop) {
        waiting = true;
        WaitForStop(stop);
    }));
    ASSERT_TRUE(testsupport::Eventually([&] { return waiting.load(); }));
    EXPECT_FALSE(thread.Finished());
    EXPECT_EQ(thread.Start([](std::stop_token) {}), std::make_error_code(std::errc::device_or_resource_busy));

    thread.RequestStop();
    ASSERT_TRUE(testsupport::Eventually([&] { return thread.Finished(); }));
    EXPECT_TRUE(thread.Running());
    thread.Join();
    EXPECT_FALSE(thread.Running());
}

TEST(JobThreadTest, ItsOwnerGoingStopsTheJobAndWaitsForIt) {
    std::atomic<bool> waiting{false};
    std::atomic<bool> ended{false};
    {
        JobThread thread;
        ASSERT_FALSE(thread.Start([&](const std::stop_token& stop) {
            waiting = true;
            WaitForStop(stop);
            ended = true;
        }));
        ASSERT_TRUE(testsupport::Eventually([&] { return waiting.load(); }));
    }
    EXPECT_TRUE(ended.load());
}

}  // namespace
}  // namespace platform
