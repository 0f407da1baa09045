// Tests of messages, payloads, the message queue and the queue message target.
#include "platform/base/message_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "platform/base/message_target.h"

namespace platform {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct StatusPayload : Payload {
    int code = 0;
};

TEST(MessageTest, PayloadAsFindsOnlyThePayloadOfTheAskedType) {
    Message text{1, 0, MakePayload(std::string("ttyUSB0"))};
    ASSERT_NE(PayloadAs<std::string>(text), nullptr);
    EXPECT_EQ(*PayloadAs<std::string>(text), "ttyUSB0");
    EXPECT_EQ(PayloadAs<int>(text), nullptr);
    EXPECT_EQ(PayloadAs<StatusPayload>(text), nullptr);

    auto status = std::make_unique<StatusPayload>();
    status->code = 7;
    Message own{2, 0, std::move(status)};
    ASSERT_NE(PayloadAs<StatusPayload>(own), nullptr);
    EXPECT_EQ(PayloadAs<StatusPayload>(own)->code, 7);

    EXPECT_EQ(PayloadAs<std::string>(Message{3}), nullptr);
}

TEST(MessageQueueTest, MessagesComeOutInOrderWithTheirPayloads) {
    MessageQueue queue;
    QueueMessageTarget target(queue);
    EXPECT_TRUE(target.PostMessage(Message{10, 1, MakePayload(std::string("a"))}));
    queue.Post(Message{11, 2, nullptr, -5});
    EXPECT_EQ(queue.Size(), 2u);

    auto first = queue.TryTake();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->id, 10u);
    EXPECT_EQ(*PayloadAs<std::string>(*first), "a");
    auto second = queue.Take(0ms);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->wParam, 2u);
    EXPECT_EQ(second->lParam, -5);
    EXPECT_TRUE(queue.Empty());
    EXPECT_FALSE(queue.TryTake().has_value());
}

TEST(MessageQueueTest, TakeWaitsForItsTimeOutOrForAPostFromAnotherThread) {
    MessageQueue queue;
    const auto start = Clock::now();
    EXPECT_FALSE(queue.Take(20ms).has_value());
    EXPECT_GE(Clock::now() - start, 20ms);

    std::thread poster([&] {
        std::this_thread::sleep_for(5ms);
        queue.Post(Message{42});
    });
    const auto message = queue.Take(10s);
    poster.join();
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->id, 42u);
}

TEST(MessageQueueTest, WaitUntilSeesAConditionThatAnotherThreadChangedAndWoke) {
    MessageQueue queue;
    std::atomic<bool> ready{false};
    std::thread reader([&] {
        std::this_thread::sleep_for(5ms);
        ready = true;
        queue.Wake();
    });
    const auto start = Clock::now();
    EXPECT_TRUE(queue.WaitUntil([&] { return ready.load(); }, 10s));
    EXPECT_LT(Clock::now() - start, 5s) << "the wake must end the wait, not the time-out";
    reader.join();

    EXPECT_FALSE(queue.WaitUntil([] { return false; }, 10ms));
}

}  // namespace
}  // namespace platform
