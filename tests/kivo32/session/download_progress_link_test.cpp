// The download's progress handed to its window: the newest state kept, one wake per batch of changes,
// none once the window has gone.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "kivo32/session/download_progress_link.h"

namespace {

TEST(DownloadProgressLinkTest, TheWindowIsWokenOncePerBatchAndTakesTheNewestState) {
    CDownloadProgressLink link;
    int wakes = 0;
    // Changes before the window follows wake it as soon as it does.
    link.SetOperationText("logger.dat");
    link.SetWaker([&wakes] { ++wakes; });
    EXPECT_EQ(wakes, 1);
    link.SetProgress(10);
    link.SetProgress(20);
    link.SetStepText("Reading the logger memory");
    link.SetLogText("line 1");
    EXPECT_EQ(wakes, 1);

    CDownloadProgressLink::State state = link.Take();
    EXPECT_EQ(state.operation, "logger.dat");
    EXPECT_EQ(state.progress, 20);
    EXPECT_EQ(state.step, "Reading the logger memory");
    EXPECT_EQ(state.log, "line 1");
    EXPECT_FALSE(state.closed);

    // A status report shows on the step line too.
    link.SetStatusLine("12 records");
    link.EnableActivityTimer(true);
    EXPECT_EQ(wakes, 2);
    state = link.Take();
    EXPECT_EQ(state.step, "12 records");
    EXPECT_TRUE(state.activity);

    link.SetWaker({});
    link.Close();
    EXPECT_EQ(wakes, 2);
    EXPECT_TRUE(link.Take().closed);
}

TEST(DownloadProgressLinkTest, AWindowThatTakesSlowlyNeverHoldsUpTheDownload) {
    CDownloadProgressLink link;
    std::atomic<int> wakes{0};
    link.SetWaker([&wakes] { ++wakes; });
    // The window takes nothing while the download writes: every write returns at once and the window
    // is woken only once.
    std::thread download([&link] {
        for (int percent = 0; percent <= 100; ++percent) {
            link.SetProgress(percent);
        }
        link.Close();
    });
    download.join();
    EXPECT_EQ(wakes.load(), 1);
    const CDownloadProgressLink::State state = link.Take();
    EXPECT_EQ(state.progress, 100);
    EXPECT_TRUE(state.closed);
}

TEST(DownloadProgressLinkTest, ClosingTheSessionsWindowLetsGoOfIt) {
    auto window = std::make_shared<CDownloadProgressLink>();
    const std::shared_ptr<CDownloadProgressLink> kept = window;
    CloseDownloadDialog(window);
    EXPECT_EQ(window, nullptr);
    EXPECT_TRUE(kept->Take().closed);
    // No window: nothing to close.
    CloseDownloadDialog(window);
    EXPECT_EQ(window, nullptr);
}

}  // namespace
