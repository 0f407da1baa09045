// A failed download tells the user which step failed: every result code of ReadData has its text, and a
// Quarven download whose setup read fails ends with that text as a message and as the status.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "kivo32/session/download_failure_text.h"
#include "kivo32/session/download_request.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/program_texts.h"
#include "shared/logger/download_result.h"
#include "tests/kivo32/session/handler_fixture.h"
#include "tests/support/temp_folder.h"

namespace sessiontest {
namespace {

TEST(DownloadFailureTextTest, EveryFailingResultNamesItsOwnStep) {
    const struct {
        int result;
        unsigned textId;  // 0: the download kept its data, nothing to say
        bool asMessage;
        bool newDataRead = true;  // a read of new data into an existing file, else of all data
    } cases[] = {
        {kReadDataDone, 0, false},
        {kReadDataKept, 0, false},
        {kReadDataTryAgain, 0, false},
        // The user's own answer ended it: the status line is enough.
        {kReadDataRecoveryCancelled, IDS_DOWNLOAD_NOT_KEPT, false},
        {kReadDataCancelled, IDS_DOWNLOAD_NOT_STARTED, true},
        {kReadDataNothingToRead, IDS_NOTHING_NEW, true},
        // Without an earlier file there is no "since" to speak of.
        {kReadDataNothingToRead, IDS_LOGGER_HOLDS_NO_DATA, true, false},
        {kReadDataSetupBlocksFailed, IDS_DOWNLOAD_SETUP_BLOCKS_FAILED, true},
        {kReadDataSetupHeaderFailed, IDS_DOWNLOAD_SETUP_HEADER_FAILED, true},
        {kReadDataStatusFailed, IDS_DOWNLOAD_STATUS_FAILED, true},
        {kReadDataSizeUnknown, IDS_DOWNLOAD_SIZE_UNKNOWN, true},
        {kReadDataNoRecordSize, IDS_DOWNLOAD_NO_RECORD_SIZE, true},
        {kReadDataRawFileFailed, IDS_DOWNLOAD_RAW_FILE_FAILED, true},
        {kReadDataRawFileSetupFailed, IDS_DOWNLOAD_RAW_FILE_SETUP_FAILED, true},
        {kReadDataNothingReceived, IDS_DOWNLOAD_NOTHING_RECEIVED, true},
        {kReadDataAssemblyFailed, IDS_DOWNLOAD_ASSEMBLY_FAILED, true},
        // A code the table does not know still says the download failed.
        {-99, IDS_DATA_READ_FAILED, true},
    };
    std::set<unsigned> steps;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.result);
        const std::optional<DownloadFailureText> text = DownloadFailureTextFor(test.result, test.newDataRead);
        if (test.textId == 0) {
            EXPECT_FALSE(text);
            continue;
        }
        ASSERT_TRUE(text);
        EXPECT_EQ(text->textId, test.textId);
        EXPECT_EQ(text->asMessage, test.asMessage);
        EXPECT_TRUE(steps.insert(text->textId).second) << "two results share one text";
    }
}

class QuarvenDownloadFailureTest : public HandlerFixture {
protected:
    QuarvenDownloadFailureTest() : HandlerFixture("quarven-rs") {}
    testsupport::TempFolder folder_;
};

TEST_F(QuarvenDownloadFailureTest, ASetupReadThatFailsIsShownAndWritesNoFile) {
    // The session start read the setup; the download reads it afresh and this time "R?K" fails.
    simulator_.Logger().ChangeState([](LoggerState& s) { s.timedValues = "ERROR"; });
    broker_.AnswerMessageBox(IDOK);
    const std::filesystem::path path = folder_ / "quarven.dat";
    const std::vector<std::string> status = Run(
        platform::Message(WM_SESSION_READ_ALL_DATA, 1, platform::MakePayload(DownloadRequest{path, false})));
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_DOWNLOAD_SETUP_BLOCKS_FAILED});
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.back(), LoadText(IDS_DOWNLOAD_SETUP_BLOCKS_FAILED));
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace sessiontest
