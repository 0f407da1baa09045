// Memory downloads broken at seeded points (the link closed, the logger silent, replies corrupt past
// their three tries, the user's cancel), answered "try again" or "keep" and followed by a download of
// new data: no record is lost or doubled, and the old file stays whole at its path or in ".bak".
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/base/message_box_flags.h"
#include "shared/logger/data_recovery_prompt.h"
#include "shared/logger/download_ids.h"
#include "shared/logger/download_result.h"
#include "shared/logger/logged_download_policy.h"
#include "tests/shared/logger/download_fixture.h"
#include "tests/support/whole_file.h"

namespace {

using testsupport::Transport;

enum class Break { LinkClosed, Silence, Corrupt, Cancel };

struct BreakCase {
    const char* name;
    Break kind;
    // Whole blocks of the download that arrive before the break.
    int blocksBefore;
};

const BreakCase kBreaks[] = {
    {"LinkClosedAtOnce", Break::LinkClosed, 0},
    {"LinkClosedLater", Break::LinkClosed, 2},
    {"Silence", Break::Silence, 1},
    {"CorruptPastThreeTries", Break::Corrupt, 2},
    {"Cancel", Break::Cancel, 0},
};

class MemoryDownloadBreakTest : public testsupport::DownloadFixture {
protected:
    // A download broken as `c` says; `commandsBeforeBlocks` is what it sends before its first block.
    int BrokenDownload(const BreakCase& c, const std::function<int()>& download, int commandsBeforeBlocks) {
        const int lastBefore = Logger().CommandCount() + commandsBeforeBlocks;
        // The logger answers the commands up to the break; then it drops the link, falls silent or
        // corrupts the replies to the next block's three tries.
        const int breakAfter = lastBefore + c.blocksBefore;
        SimulatorFaults faults;
        if (c.kind == Break::LinkClosed) {
            faults.closeAfter = breakAfter;
        } else if (c.kind == Break::Silence) {
            faults.muteAfter = breakAfter;
        } else if (c.kind == Break::Corrupt) {
            faults.corruptReplies = 3;
            faults.corruptAfter = breakAfter;
        }
        Logger().SetFaults(faults);
        testsupport::CancelAtTransfer cancel(app_);
        if (c.kind == Break::Cancel) {
            Object().SetProgressSink(&cancel);
        }
        // A silent logger leaves every byte of a command waiting for its echo.
        const int result = c.kind == Break::Silence ? ThroughSilences(download) : download();
        Object().SetProgressSink(nullptr);
        return result;
    }

    // The logger as it was, on a new link: the one broken may be gone.
    void Reconnect(const std::string& model) {
        const LoggerState state = Logger().State();
        app_.Set(CAppContext::Flag::Abort, false);
        ASSERT_TRUE(Connect(model));
        Logger().ChangeState([&](LoggerState& s) { s = state; });
        ASSERT_EQ(Run([this] { return Object().InitializeSession(); }), 1);
    }

    // The file at `path` holds the logged records from `first` on, however many it has.
    void ExpectWholeRecordsFrom(const std::filesystem::path& path, std::size_t first) {
        CRawData file;
        file.Initialize();
        ASSERT_TRUE(file.OpenDataFile(path));
        const auto count = static_cast<std::size_t>(file.GetRecordCount());
        file.CloseDataFile();
        ExpectRecords(path, first, count);
    }
};

constexpr const char* kModel = "standard-135";
// Blocks of 1712 bytes: the memory holds several.
const testsupport::MemorySetup kMemory{400};

TEST_P(MemoryDownloadBreakTest, ANewDataDownloadBrokenAnywhereLosesAndDoublesNothing) {
    for (const BreakCase& c : kBreaks) {
        for (const int answer : {int{IDC_RECOVERY_TRY_AGAIN}, IDOK}) {
            SCOPED_TRACE(std::string(c.name) + (answer == IDOK ? " kept" : " tried again"));
            ASSERT_TRUE(StartWithMemory(kModel, kMemory));
            const auto path = folder_ / (std::string(c.name) + ".dat");
            std::filesystem::remove(BackupOf(path));
            ASSERT_EQ(DownloadAll(path), kReadDataDone);
            const std::string original = testsupport::ReadWholeFile(path);
            LogMore(300);
            // The question comes only when whole records arrived and the user did not cancel.
            const bool asks = c.kind != Break::Cancel && c.blocksBefore > 0;
            if (asks) {
                boxes_.AnswerRequest<DataRecoveryRequest>(answer);
            }

            const int result = BrokenDownload(
                c, [&] { return DownloadNew(path); }, CommandsBeforeBlocks(false));
            if (asks) {
                EXPECT_EQ(result, answer == IDOK ? kReadDataKept : kReadDataTryAgain);
            } else {
                EXPECT_EQ(result, c.kind == Break::Cancel ? kReadDataCancelled : kReadDataNothingReceived);
            }
            const std::string afterBreak = testsupport::ReadWholeFile(path);
            if (afterBreak != original) {
                EXPECT_TRUE(testsupport::ReadWholeFile(BackupOf(path)) == original) << "the old file is lost";
            }
            ExpectWholeRecordsFrom(path, 0);
            EXPECT_TRUE(NoRawFileIn(folder_.path()));

            Reconnect(kModel);
            ASSERT_EQ(DownloadNew(path), kReadDataDone);
            ExpectRecords(path, 0, 700);
            if (afterBreak == original) {
                EXPECT_TRUE(testsupport::ReadWholeFile(BackupOf(path)) == original);
            }
            EXPECT_TRUE(NoRawFileIn(folder_.path()));
            EXPECT_EQ(boxes_.UnusedAnswers(), 0u);
        }
    }
}

TEST_P(MemoryDownloadBreakTest, AFullDownloadBrokenKeepsWhatArrivedAndNewDataFetchesTheRest) {
    for (const BreakCase& c : kBreaks) {
        if (c.blocksBefore == 0 || c.kind == Break::Cancel) {
            continue;  // nothing is kept: there is no file to go on from
        }
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(StartWithMemory(kModel, kMemory));
        const auto path = folder_ / (std::string(c.name) + "-full.dat");
        boxes_.AnswerRequest<DataRecoveryRequest>(IDOK);
        EXPECT_EQ(BrokenDownload(
                      c, [&] { return DownloadAll(path); }, CommandsBeforeBlocks(true)),
                  kReadDataKept);
        const auto asked = boxes_.Asked();
        ASSERT_FALSE(asked.empty());
        // Whole blocks of 1712 bytes arrived: the records they hold whole are kept and counted.
        const int recordSize = Logger().State().setups.at(1).GetRecordSize();
        EXPECT_EQ(asked.back().As<DataRecoveryRequest>().recordsReceived, c.blocksBefore * 1712 / recordSize);
        ExpectWholeRecordsFrom(path, 0);

        Reconnect(kModel);
        ASSERT_EQ(DownloadNew(path), kReadDataDone);
        ExpectRecords(path, 0, 400);
    }
}

TEST_P(MemoryDownloadBreakTest, AKeptBreakInAWrappedMemoryGoesOnRoundTheRing) {
    // A ring of a few blocks that has wrapped; new data of the blocks kept and more, from places of the
    // ring where the records kept at the break run past the memory start and where they do not. A block
    // stops at the memory start: only a second block takes the kept records round the ring.
    for (int blocks = 1; blocks <= 2; ++blocks)
    for (int shift = 0; shift < 6; ++shift) {
        SCOPED_TRACE(testing::Message() << blocks << " blocks kept, shift " << shift);
        const testsupport::MemorySetup wrapped{300 * blocks, 4000u * static_cast<std::uint32_t>(blocks)};
        const BreakCase afterBlocks{"LinkClosedLater", Break::LinkClosed, blocks};
        ASSERT_TRUE(StartWithMemory(kModel, wrapped));
        const LoggerState state = Logger().State();
        const int recordSize = state.setups.at(1).GetRecordSize();
        const int held = static_cast<int>((state.memoryEnd - state.memoryStart + 1) / recordSize) - 2;
        // Where the ring stands when the full read is made.
        LogMore(shift * held / 6);
        const auto logged = static_cast<int>(Logger().State().loggedRecords.size());
        const auto path = folder_ / ("wrapped" + std::to_string(shift) + ".dat");
        ASSERT_EQ(DownloadAll(path), kReadDataDone);
        const int more = blocks * 1712 / recordSize + held / 3;
        LogMore(more);
        boxes_.AnswerRequest<DataRecoveryRequest>(IDOK);
        // Before its blocks the read checks the wrap: it reads the newest and the oldest record.
        EXPECT_EQ(BrokenDownload(
                      afterBlocks, [&] { return DownloadNew(path); }, CommandsBeforeBlocks(false) + 2),
                  kReadDataKept);
        // The full read took what the ring held: all that was logged, or its last `held`.
        const int inFile = std::min(logged, held);
        {
            // The kept file goes on from its last record's place in the ring, however far the kept
            // records reached round it.
            CRawData kept;
            kept.Initialize();
            ASSERT_TRUE(kept.OpenDataFile(path));
            const std::uint32_t position = kept.GetDataInfo()->GetLoggerMemoryPosition();
            const auto last = static_cast<std::size_t>(logged - inFile) + kept.GetRecordCount() - 1;
            ASSERT_LT(last, Logger().State().loggedRecords.size());
            EXPECT_EQ(position, Logger().State().loggedRecords[last].address);
        }
        Reconnect(kModel);
        ASSERT_EQ(DownloadNew(path), kReadDataDone);
        ExpectRecords(path, static_cast<std::size_t>(logged - inFile),
                      static_cast<std::size_t>(inFile + more));
    }
}

TEST_P(MemoryDownloadBreakTest, TheReplacedQuestionIsAskedInsteadOfTheWindow) {
    ASSERT_TRUE(StartWithMemory(kModel, kMemory));
    int askedFor = -1;
    // What the scheduled-calling program puts there: a log line, and the records kept.
    policy_.recover = [&askedFor](int records, bool) {
        askedFor = records;
        return kReadDataKept;
    };
    const BreakCase linkClosed{"LinkClosed", Break::LinkClosed, 1};
    EXPECT_EQ(BrokenDownload(
                  linkClosed, [&] { return DownloadAll(folder_ / "site.dat"); }, CommandsBeforeBlocks(true)),
              kReadDataKept);
    EXPECT_EQ(askedFor, 1712 / Logger().State().setups.at(1).GetRecordSize());
    EXPECT_TRUE(boxes_.Asked().empty());
}

TEST_P(MemoryDownloadBreakTest, AnUnwatchedBrokenDownloadKeepsWhatCameAndItsOutcomeSaysSo) {
    ASSERT_TRUE(StartWithMemory(kModel, kMemory));
    std::vector<std::string> logged;
    const auto log = [&logged](const std::string& line) { logged.push_back(line); };
    const BreakCase linkClosed{"LinkClosed", Break::LinkClosed, 2};
    DownloadOutcome outcome;
    BrokenDownload(
        linkClosed,
        [&] {
            return Run([&] {
                session_.SetNewDataRead(false);
                outcome = Object().Download(folder_ / "site.dat", true, 0, LoggedDownloadPolicy(log, log));
                return outcome.result;
            });
        },
        CommandsBeforeBlocks(true));
    const int kept = 2 * 1712 / Logger().State().setups.at(1).GetRecordSize();
    EXPECT_EQ(outcome.result, kReadDataKept);
    EXPECT_EQ(outcome.recordsReceived, kept);
    EXPECT_EQ(outcome.recoveries, (std::vector<RecoveryAsked>{{kept, false, kReadDataKept}}));
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_NE(logged[0].find(std::to_string(kept) + " records"), std::string::npos) << logged[0];
    EXPECT_TRUE(boxes_.Asked().empty());
    ExpectWholeRecordsFrom(folder_ / "site.dat", 0);
}

INSTANTIATE_TEST_SUITE_P(Links, MemoryDownloadBreakTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
