// The status line of a download against the logger simulator, with both download engines: it follows
// the download's own steps past the setup read before them, and after a break and the recovery question
// it and a box the user closes tell what the disk holds, the records kept, their file and where the old
// file went, into a new file and appended to an old one. Whatever the answer, the backup stays the file as
// it was before the download, and the file's open windows show what the disk holds; a Try again on a link
// that is gone ends as Keep ends. A logger without records says so, without speaking of a file before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
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

    enum class Break { Corrupt, CloseLink };

    // A download into `path` whose replies go bad for good after its first block or batch of records, or
    // whose link the logger closes there, the recovery questions answered `answers` in turn; the status
    // texts it posted.
    std::vector<std::string> BreakDownload(bool readAll, const fs::path& path,
                                           const std::vector<int>& answers, Break how = Break::Corrupt) {
        SimulatorFaults faults;
        if (Quarven()) {
            // A download of new data first reads the record before the stored one, from a batch of its own.
            faults.batchFaultsAfter =
                simulator_.Logger().State().quarvenRecords.batchesServed + (readAll ? 1 : 2);
            if (how == Break::CloseLink) {
                faults.closedBatches = 1;
            } else {
                faults.corruptBatches = 3;
            }
        } else {
            // The scratch download comes first, and the logger's count after it.
            const int beforeBlocks = CommandsBeforeBlocks(readAll, path);
            const int after = simulator_.Logger().CommandCount() + beforeBlocks + 1;
            if (how == Break::CloseLink) {
                // One block later: counted from the scratch download, the close can fall on the first block
                // after a reconnect, and a link closed before any block leaves nothing to try again from.
                faults.closeAfter = after + 1;
            } else {
                faults.corruptAfter = after;
                faults.corruptReplies = 3;
            }
        }
        simulator_.Logger().SetFaults(faults);
        for (const int answer : answers) {
            broker_.AnswerRequest<DataRecoveryRequest>(answer);
        }
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

    // How many times `path` was handed on to be opened (`how` 0), or to be read anew by a document open on
    // it (kReloadOpenDownloadedFile).
    int TimesOpened(const fs::path& path, std::uintptr_t how = 0) {
        const std::vector<platform::Message>& messages = MainWindowMessages();
        return static_cast<int>(
            std::count_if(messages.begin(), messages.end(), [&](const platform::Message& m) {
                return m.id == WM_OPEN_DOWNLOADED_FILE && m.wParam == how &&
                       *platform::PayloadAs<fs::path>(m) == path;
            }));
    }
    int TimesReloaded(const fs::path& path) { return TimesOpened(path, kReloadOpenDownloadedFile); }

    // A full download into `path`, the logger then logging kNewRecords more: the file as it was.
    std::string OldFile(const fs::path& path) {
        simulator_.Logger().SetFaults({});
        Run(Download(true, path));
        EXPECT_GT(RecordsIn(path), 0);
        const std::string old = testsupport::ReadWholeFile(path);
        LogMore(kNewRecords);
        return old;
    }

    // The status that ends a broken download kept: the records kept and their file, then the backup.
    static std::string KeptText(int kept, const fs::path& path, const std::optional<fs::path>& backup) {
        std::string text =
            platform::FormatLoadedText(IDS_DOWNLOAD_BROKEN_KEPT, {std::to_string(kept), path.string()});
        if (backup) {
            text += " " + platform::FormatLoadedText(IDS_DOWNLOAD_PREVIOUS_FILE, {backup->string()});
        }
        return text;
    }

    testsupport::TempFolder folder_;
};

TEST_P(DownloadStatusTest, TheStatusAndABoxAfterTheRecoveryQuestionTellWhatTheDiskHolds) {
    const struct {
        const char* name;
        int answer;
        unsigned text;
        int opened;
        // Give up leaves the file unopened, but a window open on it shows what the disk now holds.
        int reloaded;
    } answers[] = {{"give up", IDCANCEL, IDS_DOWNLOAD_STOPPED_KEPT, 0, 1},
                   {"keep", IDOK, IDS_DOWNLOAD_BROKEN_KEPT, 1, 0}};
    // The box after each answer is closed.
    broker_.SetDefaultAnswer(IDOK);
    // The session's first download reads more before its blocks than the later ones the breaks count on.
    Run(Download(true, folder_ / "first.dat"));
    for (const auto& entry : answers) {
        SCOPED_TRACE(entry.name);
        {
            SCOPED_TRACE("a new file");
            const fs::path path = folder_ / (std::string(entry.name) + "-new.dat");
            const std::vector<std::string> status = BreakDownload(true, path, {entry.answer});
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
            EXPECT_EQ(TimesReloaded(path), entry.reloaded);
        }
        {
            SCOPED_TRACE("appended to an old file");
            const fs::path path = folder_ / (std::string(entry.name) + "-old.dat");
            const fs::path backup = folder_ / (std::string(entry.name) + "-old.bak");
            const std::string old = OldFile(path);
            const int oldRecords = RecordsIn(path);

            const int opened = TimesOpened(path);
            const std::vector<std::string> status = BreakDownload(false, path, {entry.answer});
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
            EXPECT_EQ(TimesReloaded(path), entry.reloaded);
        }
        simulator_.Logger().SetFaults({});
    }
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
}

TEST_P(DownloadStatusTest, ATryAgainThatSucceedsLeavesTheFileAsItWasBeforeTheDownloadAsTheBackup) {
    Run(Download(true, folder_ / "first.dat"));
    {
        SCOPED_TRACE("a new file");
        const fs::path path = folder_ / "new.dat";
        BreakDownload(true, path, {IDC_RECOVERY_TRY_AGAIN});
        EXPECT_EQ(RecordsIn(path), kFirstRecords);
        // The records the broken try kept are no file the user had.
        EXPECT_FALSE(fs::exists(folder_ / "new.bak"));
        EXPECT_EQ(TimesOpened(path), 1);
    }
    {
        SCOPED_TRACE("appended to an old file");
        const fs::path path = folder_ / "old.dat";
        const fs::path backup = folder_ / "old.bak";
        const std::string old = OldFile(path);
        const int oldRecords = RecordsIn(path);
        BreakDownload(false, path, {IDC_RECOVERY_TRY_AGAIN});
        EXPECT_EQ(RecordsIn(path), oldRecords + kNewRecords);
        ASSERT_TRUE(fs::exists(backup));
        EXPECT_TRUE(testsupport::ReadWholeFile(backup) == old) << "the old file is not whole in " << backup;
        EXPECT_EQ(TimesOpened(path), 2);
    }
    // A download that went through in the end has nothing more to say.
    EXPECT_TRUE(broker_.Boxes().empty()) << ::testing::PrintToString(BoxIds());
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
}

TEST_P(DownloadStatusTest, ALoggerWithoutRecordsHoldsNoDataAndAFileWithNothingAfterItNoNewData) {
    const fs::path path = folder_ / "site.dat";
    LogMore(0, true);
    broker_.AnswerMessageBox(IDOK);
    Run(Download(true, path));
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_LOGGER_HOLDS_NO_DATA});
    EXPECT_FALSE(fs::exists(path));

    LogMore(kFirstRecords);
    Run(Download(true, path));
    broker_.AnswerMessageBox(IDOK);
    Run(Download(false, path));
    EXPECT_EQ(BoxIds(), (std::vector<unsigned>{IDS_LOGGER_HOLDS_NO_DATA, IDS_NOTHING_NEW}));
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

// The same downloads over the network, whose link the logger closes part-way.
class DownloadLinkGoneTest : public DownloadStatusTest {
protected:
    DownloadLinkGoneTest() { over_network_ = true; }

    // A download into `path` whose link closes after its first block or batch, the recovery question
    // answered Try again; the status texts it posted.
    std::vector<std::string> CloseLinkAndTryAgain(bool readAll, const fs::path& path) {
        return BreakDownload(readAll, path, {IDC_RECOVERY_TRY_AGAIN}, Break::CloseLink);
    }
};

TEST_P(DownloadLinkGoneTest, ATryAgainThatCannotStartEndsAsKeepEnds) {
    // The failed start of the retry is told as it happens.
    broker_.SetDefaultAnswer(IDOK);
    {
        SCOPED_TRACE("a new file");
        const fs::path path = folder_ / "new.dat";
        const std::vector<std::string> status = CloseLinkAndTryAgain(true, path);
        const int kept = RecordsIn(path);
        EXPECT_GT(kept, 0);
        EXPECT_LT(kept, kFirstRecords);
        ASSERT_FALSE(status.empty());
        EXPECT_EQ(status.back(), KeptText(kept, path, std::nullopt));
        EXPECT_FALSE(fs::exists(folder_ / "new.bak"));
        EXPECT_EQ(TimesOpened(path), 1);
    }
    simulator_.Logger().SetFaults({});
    ASSERT_TRUE(Reconnect());
    {
        SCOPED_TRACE("appended to an old file");
        const fs::path path = folder_ / "old.dat";
        const fs::path backup = folder_ / "old.bak";
        const std::string old = OldFile(path);
        const int oldRecords = RecordsIn(path);
        const std::vector<std::string> status = CloseLinkAndTryAgain(false, path);
        const int kept = RecordsIn(path) - oldRecords;
        EXPECT_GT(kept, 0);
        EXPECT_LT(kept, kNewRecords);
        ASSERT_TRUE(fs::exists(backup));
        EXPECT_TRUE(testsupport::ReadWholeFile(backup) == old) << "the old file is not whole in " << backup;
        ASSERT_FALSE(status.empty());
        EXPECT_EQ(status.back(), KeptText(kept, path, backup));
        // Opened again, so that a window open on it shows the records kept.
        EXPECT_EQ(TimesOpened(path), 2);
    }
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
}

std::string EngineName(const ::testing::TestParamInfo<const char*>& info) {
    return std::string(info.param).starts_with("quarven") ? "Records" : "Memory";
}

INSTANTIATE_TEST_SUITE_P(Engines, DownloadStatusTest, ::testing::Values("standard-135", "quarven-rs"),
                         EngineName);
INSTANTIATE_TEST_SUITE_P(Engines, DownloadLinkGoneTest, ::testing::Values("standard-135", "quarven-rs"),
                         EngineName);

}  // namespace
}  // namespace sessiontest
