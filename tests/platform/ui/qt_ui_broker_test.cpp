// Asking the user from other threads: the question runs on the user-interface thread while the asking
// thread waits and keeps taking its own queue.
#include "platform/ui/qt_ui_broker.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/base/broker_worker_thread.h"
#include "platform/base/message_box_flags.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::Message;

constexpr unsigned kAsk = 1;
constexpr unsigned kCancel = 2;
constexpr unsigned kLater = 3;

// Asks on kAsk; a kCancel that arrives while it waits is taken at once.
class AskingThread : public platform::BrokerWorkerThread {
public:
    explicit AskingThread(std::function<int()> dialog) : dialog_(std::move(dialog)) {}
    ~AskingThread() override { StopAndJoin(); }

    std::atomic<int> answer{-1};
    std::atomic<bool> cancel_taken_while_asking{false};
    std::atomic<bool> asking{false};
    std::atomic<bool> finished_asking{false};
    std::vector<unsigned> handled_after;  // only read after Join
    std::atomic<bool> handled_any_after{false};

protected:
    void OnMessage(Message& message) override {
        if (message.id == kAsk) {
            asking = true;
            answer = broker_.RunDialog("question", dialog_);
            asking = false;
            finished_asking = true;
        } else {
            handled_after.push_back(message.id);
            handled_any_after = true;
        }
    }
    bool TakeWhileAsking(Message& message) override {
        if (message.id != kCancel) {
            return false;
        }
        cancel_taken_while_asking = true;
        return true;
    }

private:
    platform::QtUiBroker broker_;
    std::function<int()> dialog_;
};

class QtUiBrokerTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }
};

TEST_F(QtUiBrokerTest, AWorkerGetsTheAnswerFromTheUiThreadAndTakesACancelWhileItWaits) {
    std::thread::id dialogThread;
    AskingThread* self = nullptr;
    AskingThread worker([&] {
        dialogThread = std::this_thread::get_id();
        // The user answers only after the worker took the cancel posted meanwhile.
        self->Post(Message{kLater, 0, nullptr, 0});
        self->Post(Message{kCancel, 0, nullptr, 0});
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!self->cancel_taken_while_asking && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return 42;
    });
    self = &worker;
    worker.Start();
    worker.Post(Message{kAsk, 0, nullptr, 0});

    // A stop asked earlier could come before the message the wait left in the queue.
    ASSERT_TRUE(testsupport::ProcessEventsUntil(
        [&] { return worker.finished_asking.load() && worker.handled_any_after.load(); }));
    worker.RequestStop();
    ASSERT_TRUE(worker.Join(std::chrono::seconds(60)));

    EXPECT_EQ(worker.answer.load(), 42);
    EXPECT_EQ(dialogThread, std::this_thread::get_id());
    EXPECT_TRUE(worker.cancel_taken_while_asking.load());
    // The message that the wait did not take ran after the asking handler.
    EXPECT_EQ(worker.handled_after, std::vector<unsigned>{kLater});
}

TEST_F(QtUiBrokerTest, AStopBeforeTheUiThreadTookTheQuestionDropsIt) {
    std::atomic<bool> ran{false};
    AskingThread worker([&] {
        ran = true;
        return 1;
    });
    worker.Start();
    worker.Post(Message{kAsk, 0, nullptr, 0});
    // The user-interface thread takes no events meanwhile, so the question stays queued.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!worker.asking && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    worker.RequestStop();
    ASSERT_TRUE(worker.Join(std::chrono::seconds(60)));
    QApplication::processEvents();

    EXPECT_FALSE(ran.load());
    EXPECT_EQ(worker.answer.load(), IDCANCEL);
}

TEST_F(QtUiBrokerTest, APlainThreadAsksAStandardBoxAndGetsTheButtonPressed) {
    std::atomic<int> answer{0};
    testsupport::OnNextModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Proceed?");
        box->button(QMessageBox::No)->click();
    });
    std::thread asker([&] {
        platform::QtUiBroker broker;
        answer = broker.MessageBox("Proceed?", "KIVO", MB_YESNO | MB_ICONQUESTION);
    });
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return answer.load() != 0; }));
    asker.join();
    EXPECT_EQ(answer.load(), IDNO);
}

}  // namespace
