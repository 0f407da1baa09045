// Posting messages to a window from other threads.
#include "platform/ui/window_message_target.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::Message;
using platform::WindowMessageTarget;

// Counts its live copies, so a test sees whether a payload was freed.
struct Tracked {
    explicit Tracked(std::atomic<int>& live) : live(&live) { ++*this->live; }
    Tracked(const Tracked& other) : live(other.live) { ++*live; }
    ~Tracked() { --*live; }
    std::atomic<int>* live;
};

class WindowMessageTargetTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }
};

TEST_F(WindowMessageTargetTest, MessagesFromAWorkerArriveOnTheWindowThreadInOrderWithTheirPayloads) {
    QWidget window;
    std::vector<std::pair<unsigned, std::string>> received;
    std::thread::id handlerThread;
    auto target = WindowMessageTarget::Create(&window, [&](Message& message) {
        handlerThread = std::this_thread::get_id();
        const std::string* text = platform::PayloadAs<std::string>(message);
        received.emplace_back(message.id, text != nullptr ? *text : "");
    });

    std::thread worker([target] {
        for (unsigned i = 0; i < 50; ++i) {
            EXPECT_TRUE(
                target->PostMessage(Message{0x80D0 + i, i, platform::MakePayload(std::to_string(i)), 0}));
        }
    });
    worker.join();
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return received.size() == 50; }));

    EXPECT_EQ(handlerThread, std::this_thread::get_id());
    for (unsigned i = 0; i < 50; ++i) {
        EXPECT_EQ(received[i].first, 0x80D0 + i);
        EXPECT_EQ(received[i].second, std::to_string(i));
    }
}

TEST_F(WindowMessageTargetTest, AGoneWindowRefusesPostsAndFreesQueuedAndRefusedPayloads) {
    std::atomic<int> live{0};
    auto window = std::make_unique<QWidget>();
    int handled = 0;
    auto target = WindowMessageTarget::Create(window.get(), [&](Message&) { ++handled; });

    // Queued but never delivered: the window goes first.
    EXPECT_TRUE(target->PostMessage(Message{1, 0, platform::MakePayload(Tracked(live)), 0}));
    EXPECT_EQ(live.load(), 1);
    window.reset();
    EXPECT_EQ(live.load(), 0);

    EXPECT_FALSE(target->PostMessage(Message{2, 0, platform::MakePayload(Tracked(live)), 0}));
    EXPECT_EQ(live.load(), 0);
    QApplication::processEvents();
    EXPECT_EQ(handled, 0);
}

}  // namespace
