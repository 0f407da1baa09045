// The status line of a download against the logger simulator, with both download engines: it follows
// the download's own steps past the setup read before them, and after a break and the recovery question
// it and a box the user closes tell what the disk holds, the records kept, their file and where the old
// file went, into a new file and appended to an old one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "kivo32/session/download_request.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/logger/data_recovery_prompt.h"
#include "shared/logger/download_ids.h"
#include "tests/kivo32/session/handler_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"
#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/quarven_records.h"

namespace sessiontest {
namespace {

namespace fs = std::filesystem;

constexpr int kFirstRecords = 400;
constexpr int kNewRecords = 300;

class DownloadStatusTest : public HandlerFixture, public ::testing::WithParamInterface<const char*> {
protected:
    DownloadStatusTest() : HandlerFixture(GetParam()) {}

    bool Quarven() const { return std::string(GetParam()).starts_with("quarven"); }

    void PrepareLogger() override { LogMore(kFirstRecords, true); }

    void LogMore(int records, bool fresh = false) {
        simulator_.Logger().ChangeState([&](LoggerState& s) {
            if (Quarven()) {
                if (fresh) {
                    ClearQuarvenRecords(s);
                }
                LogQuarvenRecords(s, records);
            } else {
                if (fresh) {
                    // 2024-03-07 13:00:00 UTC: the first record's stamp.
                    ClearDataMemory(s, s.memoryStart, s.memoryEnd, 1709816400);
                }
                LogRecords(s, records);
            }
        });
    }

    static platform::Message Download(bool readAll, const fs::path& path) {
        return platform::Message(readAll ? WM_SESSION_READ_ALL_DATA : WM_SESSION_READ_NEW_DATA, 1,
                                 platform::MakePayload(DownloadRequest{path, false}));
    }

    // The commands a download into `path` sends before its first memory block, from the same download
    // into a scratch copy.
    int CommandsBeforeBlocks(bool readAll, const fs::path& path) {
        const fs::path scratch = folder_ / "scratch.dat";
        fs::remove(scratch);
        if (!readAll) {
            fs::copy_file(path, scratch);
        }
        const int from = simulator_.Logger().CommandCount();
        Run(Download(readAll, scratch));
        const std::vector<std::string> all = simulator_.Logger().Commands();
        const auto block = std::find_if(all.begin() + from, all.end(),
                                        [](const std::string& c) { return c.rfind("O! ", 0) == 0; });
        return static_cast<int>(block - (all.begin() + from));
    }

    // A download into `path` whose replies go bad for good after its first block or batch of records,
    // the recovery question answered `answer` and the box after it closed; the status texts it posted.
    std::vector<std::string> BreakDownload(bool readAll, const fs::path& path, int answer) {
        SimulatorFaults faults;
        if (Quarven()) {
            // A download of new data first reads the record before the stored one, from a batch of its own.
            faults.batchFaultsAfter =
                simulator_.Logger().State().quarvenRecords.batchesServed + (readAll ? 1 : 2);
            faults.corruptBatches = 3;
        } else {
            const int beforeBlocks = CommandsBeforeBlocks(readAll, path);
            faults.corruptAfter = simulator_.Logger().CommandCount() + beforeBlocks + 1;
            faults.corruptReplies = 3;
        }
        simulator_.Logger().SetFaults(faults);
        broker_.AnswerRequest<DataRecoveryRequest>(answer);
        broker_.AnswerMessageBox(IDOK);
        return Run(Download(readAll, path));
    }

    // The text of the last program-wide box, and whether it only informs.
    std::pair<std::string, bool> LastBox() const {
        const std::vector<testsupport::RecordedMessageBox> boxes = broker_.Boxes();
        if (boxes.empty() || boxes.back().byId) {
            return {};
        }
        const CMessageBoxTexts& box = boxes.back().texts;
        return {box.prompt, box.type == (MB_OK | MB_ICONINFORMATION)};
    }

    // How many times `path` was handed on to be opened.
    int TimesOpened(const fs::path& path) {
        const std::vector<platform::Message>& messages = MainWindowMessages();
        return static_cast<int>(
            std::count_if(messages.begin(), messages.end(), [&](const platform::Message& m) {
                return m.id == WM_OPEN_DOWNLOADED_FILE && *platform::PayloadAs<fs::path>(m) == path;
            }));
    }

    testsupport::TempFolder folder_;
};

TEST_P(DownloadStatusTest, TheStatusAndABoxAfterTheRecoveryQuestionTellWhatTheDiskHolds) {
    const struct {
        const char* name;
        int answer;
        unsigned text;
        int opened;
    } answers[] = {{"give up", IDCANCEL, IDS_DOWNLOAD_STOPPED_KEPT, 0},
                   {"keep", IDOK, IDS_DOWNLOAD_BROKEN_KEPT, 1}};
    // The session's first download reads more before its blocks than the later ones the breaks count on.
    Run(Download(true, folder_ / "first.dat"));
    for (const auto& entry : answers) {
        SCOPED_TRACE(entry.name);
        {
            SCOPED_TRACE("a new file");
            const fs::path path = folder_ / (std::string(entry.name) + "-new.dat");
            const std::vector<std::string> status = BreakDownload(true, path, entry.answer);
            ASSERT_TRUE(fs::exists(path));
            const int kept = RecordsIn(path);
            EXPECT_GT(kept, 0);
            ASSERT_FALSE(status.empty());
            EXPECT_EQ(status.back(),
                      platform::FormatLoadedText(entry.text, {std::to_string(kept), path.string()}));
            // The status line cuts a long path and is emptied after a while: the box shows it whole.
            EXPECT_EQ(LastBox(), std::make_pair(status.back(), true));
            EXPECT_FALSE(fs::exists(folder_ / (std::string(entry.name) + "-new.bak")));
            EXPECT_EQ(TimesOpened(path), entry.opened);
        }
        {
            SCOPED_TRACE("appended to an old file");
            simulator_.Logger().SetFaults({});
            const fs::path path = folder_ / (std::string(entry.name) + "-old.dat");
            const fs::path backup = folder_ / (std::string(entry.name) + "-old.bak");
            Run(Download(true, path));
            const int oldRecords = RecordsIn(path);
            ASSERT_GT(oldRecords, 0);
            const std::string old = testsupport::ReadWholeFile(path);
            LogMore(kNewRecords);

            const int opened = TimesOpened(path);
            const std::vector<std::string> status = BreakDownload(false, path, entry.answer);
            const int kept = RecordsIn(path) - oldRecords;
            EXPECT_GT(kept, 0);
            EXPECT_LT(kept, kNewRecords);
            ASSERT_TRUE(fs::exists(backup));
            EXPECT_TRUE(testsupport::ReadWholeFile(backup) == old)
                << "the old file is not whole in " << backup;
            ASSERT_FALSE(status.empty());
            EXPECT_EQ(status.back(),
                      platform::FormatLoadedText(entry.text, {std::to_string(kept), path.string()}) + " " +
                          platform::FormatLoadedText(IDS_DOWNLOAD_PREVIOUS_FILE, {backup.string()}));
            EXPECT_EQ(LastBox(), std::make_pair(status.back(), true));
            EXPECT_EQ(TimesOpened(path), opened + entry.opened);
        }
        simulator_.Logger().SetFaults({});
    }
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
}

TEST_P(DownloadStatusTest, TheStatusShowsTheDownloadsStepsAfterTheSetupRead) {
    const std::vector<std::string> status = Run(Download(true, folder_ / "site.dat"));
    const auto finding = std::find(status.begin(), status.end(), LoadText(IDS_FINDING_RECORDS));
    const auto preparing = std::find(status.begin(), status.end(), LoadText(IDS_PREPARING_DOWNLOAD));
    ASSERT_NE(finding, status.end()) << ::testing::PrintToString(status);
    ASSERT_NE(preparing, status.end()) << ::testing::PrintToString(status);
    EXPECT_LT(finding, preparing);
    // No step of the setup read (the setups, channel settings, labels and notes, the setup header, the
    // alarms, the extended setup) comes after the download's own began.
    for (const unsigned id : {12385u, 12386u, 12389u, 12390u, 12391u, 12426u, 12437u, 12548u}) {
        const std::string text = LoadText(id);
        EXPECT_TRUE(std::find(finding, status.end(), text) == status.end()) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, DownloadStatusTest, ::testing::Values("standard-135", "quarven-rs"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).starts_with("quarven") ? "Records" : "Memory";
                         });

}  // namespace
}  // namespace sessiontest
