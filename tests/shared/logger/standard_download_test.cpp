// The standard logger's download: below a minute's interval recording stops while the memory is read
// and starts again however the download ends; when it cannot, the user is told the logger is idle.
#include <gtest/gtest.h>

#include "shared/logger/download_ids.h"
#include "shared/logger/download_result.h"
#include "tests/shared/logger/download_fixture.h"

namespace {

using testsupport::Transport;

using testsupport::k15Seconds;

class StandardDownloadTest : public testsupport::DownloadFixture {
protected:
    void StartRecording(int intervalCode) {
        ASSERT_TRUE(StartWithMemory("standard-135", {60, 0, intervalCode}));
        Logger().ChangeState([](LoggerState& s) { s.recording = true; });
        ASSERT_EQ(Run([this] { return Object().ReadStatus(); }), 1);
    }

    bool NotRecordingToldOf() const {
        for (const auto& box : boxes_.Boxes()) {
            if (box.byId && box.ids.promptId == IDS_NOT_RECORDING) {
                return true;
            }
        }
        return false;
    }
};

TEST_P(StandardDownloadTest, RecordingStartsAgainAfterACancel) {
    StartRecording(k15Seconds);
    testsupport::CancelAtTransfer cancel(app_);
    Object().SetProgressSink(&cancel);
    EXPECT_EQ(DownloadAll(folder_ / "cancelled.dat"), kReadDataCancelled);
    Object().SetProgressSink(nullptr);
    EXPECT_TRUE(Logger().State().recording);
    // The cancel stays for the session to see.
    EXPECT_TRUE(app_.IsSet(CAppContext::Flag::Abort));
}

TEST_P(StandardDownloadTest, ARestartThatCannotBeSentIsToldOf) {
    StartRecording(k15Seconds);
    const int before = Logger().CommandCount();
    ASSERT_EQ(DownloadAll(folder_ / "clean.dat"), kReadDataDone);
    EXPECT_TRUE(Logger().State().recording);
    EXPECT_FALSE(NotRecordingToldOf());

    // The link goes just before the restart.
    boxes_.SetDefaultAnswer(IDOK);
    Logger().SetFaults({.closeAfter = Logger().CommandCount() + (Logger().CommandCount() - before) - 1});
    EXPECT_EQ(DownloadAll(folder_ / "failed.dat"), kReadDataDone);
    EXPECT_FALSE(Logger().State().recording);
    EXPECT_TRUE(NotRecordingToldOf());
}

TEST_P(StandardDownloadTest, AMinuteOrMoreLeavesRecordingAlone) {
    StartRecording(1);  // 5 minutes
    const int before = Logger().CommandCount();
    ASSERT_EQ(DownloadAll(folder_ / "site.dat"), kReadDataDone);
    const int withoutStop = Logger().CommandCount() - before;
    StartRecording(k15Seconds);
    const int start = Logger().CommandCount();
    ASSERT_EQ(DownloadAll(folder_ / "site.dat"), kReadDataDone);
    // "D!", "D?", "E?" and "E!" around the same download.
    EXPECT_EQ(Logger().CommandCount() - start, withoutStop + 4);
    EXPECT_FALSE(NotRecordingToldOf());
}

INSTANTIATE_TEST_SUITE_P(Links, StandardDownloadTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
