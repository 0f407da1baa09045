// Downloads of the memory models end to end against the simulator: full downloads equal what the logger
// logged, downloads of new data append exactly the new records, a memory with nothing new is left
// alone, and the window counts the records as the blocks arrive.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/base/program_texts.h"
#include "shared/logger/download_progress_sink.h"
#include "shared/logger/download_result.h"
#include "tests/shared/logger/download_fixture.h"
#include "tests/support/resource_texts.h"
#include "tests/support/time_zone.h"
#include "tests/support/whole_file.h"

namespace {

using testsupport::MemorySetup;
using testsupport::Transport;

// Interval codes.
using testsupport::k15Seconds;
constexpr int k5Minutes = 1;

struct FullCase {
    const char* name;
    const char* model;
    MemorySetup memory;
};

const FullCase kFullCases[] = {
    {"StandardMinuteStamps", "standard", {40}},
    {"StandardSecondStamps", "standard-135", {40}},
    {"StandardSubMinute", "standard-135", {50, 0, k15Seconds}},
    {"StandardWrapped", "standard-135", {300, 2000}},
    {"Ornat", "ornat2", {40, 0, k5Minutes}},
    {"OrnatWrapped", "ornat1", {260, 3000}},
    {"Nimbo", "nimbo-combo2", {40}},
    {"NimboWrapped", "nimbo-4temp", {500, 1500}},
    // Minute stamps below a minute: the seconds are counted, a first minute cut short is moved to its end.
    {"NimboSubMinute", "nimbo-combo2", {50, 0, k15Seconds}},
    {"OrnatSubMinuteWrapped", "ornat2", {300, 2000, k15Seconds}},
};

class MemoryDownloadTest : public testsupport::DownloadFixture {};

TEST_P(MemoryDownloadTest, FullDownloadHoldsWhatTheLoggerLogged) {
    for (const char* zone : {testsupport::kUtc, testsupport::kNewYork}) {
        const testsupport::ScopedTimeZone timeZone(zone);
        for (const FullCase& c : kFullCases) {
            SCOPED_TRACE(std::string(c.name) + " in " + zone);
            ASSERT_TRUE(StartWithMemory(c.model, c.memory));
            const auto path = folder_ / (std::string(c.name) + ".dat");
            ASSERT_EQ(DownloadAll(path), kReadDataDone);
            const LoggerState state = Logger().State();
            const int recordSize = state.setups.at(1).GetRecordSize();
            // A wrapped memory gives all but the two records the logger may be writing over.
            const std::size_t held = state.wraps ? (state.memoryEnd - state.memoryStart + 1) / recordSize - 2
                                                 : state.loggedRecords.size();
            ExpectRecords(path, state.loggedRecords.size() - held, held);
            EXPECT_TRUE(NoRawFileIn(folder_.path()));
        }
    }
}

TEST_P(MemoryDownloadTest, NewDataAppendsExactlyTheNewRecords) {
    const testsupport::ScopedTimeZone timeZone(testsupport::kNewYork);
    for (const FullCase& c : kFullCases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(StartWithMemory(c.model, c.memory));
        const auto path = folder_ / (std::string(c.name) + ".dat");
        ASSERT_EQ(DownloadAll(path), kReadDataDone);
        const LoggerState before = Logger().State();
        const int recordSize = before.setups.at(1).GetRecordSize();
        const std::size_t first =
            before.wraps
                ? before.loggedRecords.size() - ((before.memoryEnd - before.memoryStart + 1) / recordSize - 2)
                : 0;

        LogMore(12);
        ASSERT_EQ(DownloadNew(path), kReadDataDone);
        ExpectRecords(path, first, before.loggedRecords.size() + 12 - first);
        EXPECT_TRUE(std::filesystem::exists(BackupOf(path)));

        // Nothing new: -2 and the file as it was.
        const std::string kept = testsupport::ReadWholeFile(path);
        EXPECT_EQ(DownloadNew(path), kReadDataNothingToRead);
        EXPECT_TRUE(testsupport::ReadWholeFile(path) == kept) << "the file changed";
        EXPECT_TRUE(NoRawFileIn(folder_.path()));
    }
}

TEST_P(MemoryDownloadTest, AStoredMarkUpToTheNewestRecordsIsInAWrappedMemoryAndOnePastItIsNot) {
    ASSERT_TRUE(StartWithMemory("standard-135", {300, 2000}));
    const auto path = folder_ / "wrapped.dat";
    ASSERT_EQ(DownloadAll(path), kReadDataDone);
    const std::string kept = testsupport::ReadWholeFile(path);
    // The newest record's stamp: the last three bytes of the record that ends below the record pointer.
    const LoggerState state = Logger().State();
    const int recordSize = state.setups.at(1).GetRecordSize();
    const std::vector<std::uint8_t> newest =
        ReadDataMemory(state, static_cast<long>(state.recordPointer) - 1 + recordSize, recordSize);
    const auto r = static_cast<std::size_t>(recordSize);
    const std::uint32_t mark =
        std::uint32_t{newest[r - 1]} << 16 | std::uint32_t{newest[r - 2]} << 8 | newest[r - 3];
    const struct {
        const char* name;
        std::uint32_t mark;
        bool readAgain;  // the mark is not in memory: the whole memory is read again
    } cases[] = {{"the newest record's", mark, false}, {"one past it", mark + 1, true}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        const std::size_t before = Logger().Commands().size();
        // Either way nothing is newer than the file: it stays as it was.
        EXPECT_EQ(DownloadNew(path, entry.mark), kReadDataNothingToRead);
        EXPECT_TRUE(testsupport::ReadWholeFile(path) == kept);
        // Blocks of the memory were read only when the mark was not in it; else single records, for the
        // wrap check.
        const std::vector<std::string> sent = Logger().Commands();
        const bool blocksRead =
            std::any_of(sent.begin() + static_cast<std::ptrdiff_t>(before), sent.end(), [&](const std::string& c) {
                return c.starts_with("O! ") && std::stol(c.substr(c.rfind(' ') + 1), nullptr, 16) > recordSize;
            });
        EXPECT_EQ(blocksRead, entry.readAgain);
    }
}

// Each line of the window's status as the download set it, with the bar's position then.
class BlockProgressSink : public DownloadProgressSink {
public:
    void SetOperationText(std::string) override {}
    void SetLogText(std::string) override {}
    void SetStepText(std::string) override {}
    void SetStatusLine(std::string text) override { lines.push_back({std::move(text), progress}); }
    void SetProgress(int percent) override { progress = percent; }
    void EnableActivityTimer(bool) override {}

    struct Line {
        std::string text;
        int progress;
    };
    std::vector<Line> lines;
    int progress = 0;
};

TEST_P(MemoryDownloadTest, TheWindowCountsTheRecordsOfEachBlockAndTheBarFollowsThem) {
    SetProgramTexts(testsupport::LoadResourceTexts("en", "record_download"));
    ASSERT_TRUE(StartWithMemory("standard-135", {400}));
    BlockProgressSink sink;
    Object().SetProgressSink(&sink);
    ASSERT_EQ(DownloadAll(folder_ / "site.dat"), kReadDataDone);
    Object().SetProgressSink(nullptr);
    SetProgramTexts({});

    // Blocks of 1712 bytes: after each, the whole records so far, and the bar at the bytes so far.
    const int recordSize = Logger().State().setups.at(1).GetRecordSize();
    const long total = 400;
    const long bytes = total * recordSize;
    std::vector<std::string> counted;
    std::vector<int> bars;
    for (long received = 1712;; received += 1712) {
        received = std::min(received, bytes);
        counted.push_back(std::to_string(received / recordSize) + " of " + std::to_string(total) + " records read");
        bars.push_back(static_cast<int>(received * 100 / bytes));
        if (received == bytes) {
            break;
        }
    }
    std::vector<std::string> shown;
    std::vector<int> shownBars;
    for (const BlockProgressSink::Line& line : sink.lines) {
        if (line.text.find(" records read") != std::string::npos) {
            // The rate and the time left follow the count once the rate is known.
            shown.push_back(line.text.substr(0, line.text.find(" records read") + 13));
            shownBars.push_back(line.progress);
        }
    }
    EXPECT_EQ(shown, counted);
    EXPECT_EQ(shownBars, bars);
}

TEST_P(MemoryDownloadTest, EmptyMemoryGivesNothingToReadAndNoFile) {
    ASSERT_TRUE(StartWithMemory("standard", {0}));
    const auto path = folder_ / "empty.dat";
    EXPECT_EQ(DownloadAll(path), kReadDataNothingToRead);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(NoRawFileIn(folder_.path()));
}

INSTANTIATE_TEST_SUITE_P(Links, MemoryDownloadTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
