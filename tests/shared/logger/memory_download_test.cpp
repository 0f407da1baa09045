// Downloads of the memory models end to end against the simulator: full downloads equal what the logger
// logged, downloads of new data append exactly the new records, and a memory with nothing new is left
// alone.
#include <gtest/gtest.h>

#include "shared/logger/download_result.h"
#include "tests/shared/logger/download_fixture.h"
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

TEST_P(MemoryDownloadTest, AStoredMarkEqualToTheNewestRecordsIsNothingNewInAWrappedMemory) {
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
    const std::size_t before = Logger().Commands().size();

    EXPECT_EQ(DownloadNew(path, mark), kReadDataNothingToRead);
    EXPECT_TRUE(testsupport::ReadWholeFile(path) == kept);
    // No block of the memory was read: only single records, for the wrap check.
    const std::vector<std::string> sent = Logger().Commands();
    for (auto command = sent.begin() + static_cast<std::ptrdiff_t>(before); command != sent.end();
         ++command) {
        if (command->starts_with("O! ")) {
            EXPECT_LE(std::stol(command->substr(command->rfind(' ') + 1), nullptr, 16), recordSize)
                << *command;
        }
    }
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
