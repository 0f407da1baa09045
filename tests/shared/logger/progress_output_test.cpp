// The logger objects' output to the download window, and to the session's status texts without one.
#include <gtest/gtest.h>

#include "platform/base/message_queue.h"
#include "platform/base/program_texts.h"
#include "shared/link/connection_direct.h"
#include "shared/link/link_ids.h"
#include "shared/logger/create_data_logger.h"
#include "shared/logger/download_progress_sink.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/link_test_session.h"

namespace {

class RecordingSink : public DownloadProgressSink {
public:
    void SetLogText(std::string text) override { log = std::move(text); }
    void SetStepText(std::string text) override { step = std::move(text); }
    void SetStatusLine(std::string text) override { status = std::move(text); }
    void SetProgress(int percent) override { progress = percent; }

    std::string log;
    std::string step;
    std::string status;
    int progress = -1;
};

class ProgressOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_.SetStatusWindow(&window_);
        platform::TextTable texts;
        texts.Set(12385, "Reading the stored setups...");
        texts.Set(12389, "Reading the channel settings...");
        SetProgramTexts(std::move(texts));
    }
    void TearDown() override { SetProgramTexts({}); }

    // The texts posted with `code`, in order.
    std::vector<std::string> Posted(unsigned code) {
        std::vector<std::string> texts;
        while (auto message = queue_.TryTake()) {
            if (message->wParam == code) {
                const std::string* text = platform::PayloadAs<std::string>(*message);
                texts.push_back(text ? *text : std::string());
            }
        }
        return texts;
    }

    testsupport::FakeAppContext app_;
    testsupport::LinkTestSession session_;
    platform::MessageQueue queue_;
    platform::QueueMessageTarget window_{queue_};
    // Never opened: the object only learns its session and application from it.
    CConnectionDirect link_{{&session_, &app_}, "", 19200};
    std::unique_ptr<CDataLogger> logger_ = CreateDataLogger(&link_, 1);
};

TEST_F(ProgressOutputTest, TheWindowGetsTheWholeLogAndItsLines) {
    RecordingSink sink;
    logger_->SetProgressSink(&sink);
    logger_->AppendTrace("Block 1 read");
    logger_->AppendTrace("Block 2 read");
    EXPECT_EQ(sink.log, "Block 1 read\r\nBlock 2 read");
    logger_->ClearTrace();
    EXPECT_EQ(sink.log, "");
    logger_->AppendTrace("Block 3 read");
    EXPECT_EQ(sink.log, "Block 3 read");
    logger_->WriteTrace(12389);
    EXPECT_EQ(sink.step, "Reading the channel settings...");
    logger_->ReportStatus("12 records");
    EXPECT_EQ(sink.status, "12 records");
    EXPECT_TRUE(Posted(STATUS_TEXT).empty());
}

TEST_F(ProgressOutputTest, WithoutAWindowTheSessionPostsStatusTexts) {
    logger_->WriteTrace(12389);
    logger_->ReportStatus("12 records");
    const std::vector<std::string> expected = {"Reading the stored setups...", "12 records"};
    EXPECT_EQ(Posted(STATUS_TEXT), expected);
}

}  // namespace
