// ReaderThread: a stop ends a body that waits in poll(), one asked before the body's first turn holds,
// and a body may end itself.
#include "platform/io/reader_thread.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <future>

#include "platform/base/unique_fd.h"

namespace {

using namespace std::chrono_literals;
using Wait = platform::ReaderThread::Wait;

struct Pipe {
    Pipe() {
        int ends[2] = {-1, -1};
        EXPECT_EQ(::pipe(ends), 0);
        read.Reset(ends[0]);
        write.Reset(ends[1]);
    }
    platform::UniqueFd read;
    platform::UniqueFd write;
};

// Runs `stop` on another thread and fails instead of hanging when it never returns.
template <class Stop>
void StopsInTime(Stop stop) {
    auto stopping = std::async(std::launch::async, stop);
    ASSERT_EQ(stopping.wait_for(10s), std::future_status::ready) << "the reader did not end after its stop";
}

TEST(ReaderThreadTest, AStopEndsAWaitThatNoInputWouldEnd) {
    Pipe pipe;
    platform::ReaderThread reader;
    std::promise<Wait> result;
    ASSERT_TRUE(reader.Start([&] { result.set_value(reader.WaitReadable(pipe.read.Get())); }));
    EXPECT_FALSE(reader.Start([] {}));  // one reader at a time
    StopsInTime([&] { EXPECT_TRUE(reader.Stop()); });
    EXPECT_EQ(result.get_future().get(), Wait::Stopped);
    EXPECT_FALSE(reader.Running());
    EXPECT_FALSE(reader.Stop());
}

TEST(ReaderThreadTest, AStopAskedBeforeTheBodysFirstTurnHolds) {
    platform::ReaderThread reader;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<int> turns{0};
    ASSERT_TRUE(reader.Start([&] {
        released.wait();  // the body starts only after the stop, as it may on a loaded machine
        while (!reader.StopRequested()) {
            ++turns;
        }
    }));
    auto stopping = std::async(std::launch::async, [&] { reader.Stop(); });
    while (!reader.StopRequested()) {
        std::this_thread::yield();
    }
    release.set_value();
    ASSERT_EQ(stopping.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(turns.load(), 0);
}

TEST(ReaderThreadTest, InputTimeOutAndARestart) {
    Pipe pipe;
    platform::ReaderThread reader;
    std::promise<std::pair<Wait, Wait>> result;
    ASSERT_EQ(::write(pipe.write.Get(), "x", 1), 1);
    ASSERT_TRUE(reader.Start([&] {
        const Wait first = reader.WaitReadable(pipe.read.Get(), 0);
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(pipe.read.Get(), &byte, 1);
        result.set_value({first, reader.WaitReadable(pipe.read.Get(), 1)});
    }));
    EXPECT_EQ(result.get_future().get(), std::make_pair(Wait::Readable, Wait::TimedOut));
    reader.Stop();
    // A new run starts with a new stop.
    std::promise<bool> stopped;
    ASSERT_TRUE(reader.Start([&] { stopped.set_value(reader.StopRequested()); }));
    EXPECT_FALSE(stopped.get_future().get());
}

TEST(ReaderThreadTest, ABodyThatDoesNotEndIsGivenUpAfterTheLimit) {
    platform::ReaderThread reader;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    ASSERT_TRUE(reader.Start([released] { released.wait(); }));  // deaf to its stop
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(reader.StopWithin(50ms));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_TRUE(reader.Running());  // left running, not torn down
    release.set_value();
    EXPECT_TRUE(reader.StopWithin(10s));
    EXPECT_FALSE(reader.Running());
    EXPECT_TRUE(reader.StopWithin(50ms));  // nothing left to stop
}

TEST(ReaderThreadTest, ABodyMayAskItsOwnStop) {
    platform::ReaderThread reader;
    std::promise<bool> asked;
    ASSERT_TRUE(reader.Start([&] {
        reader.Stop();
        asked.set_value(reader.StopRequested());
    }));
    EXPECT_TRUE(asked.get_future().get());
    StopsInTime([&] { reader.Stop(); });
}

}  // namespace
