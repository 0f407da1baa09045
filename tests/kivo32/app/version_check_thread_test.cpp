// The update check's thread: a question it waits for ends with the answer, or unanswered once the
// program asks the thread to stop, and every later question goes unanswered at once; a check without a
// thread is left out.
#include "kivo32/app/version_check_thread.h"

#include <gtest/gtest.h>

#include <atomic>

#include "platform/base/answer_wait.h"
#include "platform/base/job_thread.h"
#include "tests/support/eventually.h"

namespace {

TEST(VersionCheckThreadTest, AQuestionEndsWithItsAnswer) {
    std::atomic<bool> answered{false};
    std::atomic<platform::AnswerWait*> wait{nullptr};
    bool result = false;
    {
        CVersionCheckThread thread([&] {
            wait = platform::ThreadAnswerWait();
            result = wait.load()->Wait([&] { return answered.load(); });
        });
        ASSERT_TRUE(testsupport::Eventually([&] { return wait.load() != nullptr; }));
        answered = true;
        wait.load()->Wake();
    }
    EXPECT_TRUE(result);
}

TEST(VersionCheckThreadTest, AfterAStopTheQuestionsGoUnanswered) {
    std::atomic<bool> asking{false};
    bool first = true;
    bool later = true;
    CVersionCheckThread thread([&] {
        platform::AnswerWait* wait = platform::ThreadAnswerWait();
        asking = true;
        first = wait->Wait([] { return false; });
        later = wait->Wait([] { return false; });
    });
    ASSERT_TRUE(testsupport::Eventually([&] { return asking.load(); }));
    EXPECT_FALSE(thread.Finished());
    thread.RequestStop();
    ASSERT_TRUE(testsupport::Eventually([&] { return thread.Finished(); }));
    EXPECT_FALSE(first);
    EXPECT_FALSE(later);
}

TEST(VersionCheckThreadTest, WithoutAThreadTheCheckIsLeftOut) {
    const platform::FailedJobStarts refused;
    bool ran = false;
    CVersionCheckThread thread([&] { ran = true; });
    EXPECT_TRUE(thread.Finished());
    EXPECT_FALSE(ran);
}

}  // namespace
