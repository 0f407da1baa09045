// The Quarven record engine against the simulator over a pseudo-terminal and TCP: full downloads equal
// to the logger's records, downloads of new data, breaks at seeded batches answered "try again" or
// "keep", and the time checks' report.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/base/local_time.h"
#include "platform/base/program_texts.h"
#include "shared/common/open_with_desktop_request.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/record_bytes.h"
#include "shared/link/session.h"
#include "shared/logger/download_progress_sink.h"
#include "shared/logger/download_result.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"
#include "tests/shared/logger/download_fixture.h"
#include "tests/support/resource_texts.h"
#include "tests/support/time_zone.h"
#include "tests/support/whole_file.h"

namespace {

using testsupport::Transport;
namespace fs = std::filesystem;

constexpr std::time_t kMarch10 =
    1710079200;                     // 2024-03-10 14:00:00 UTC: New York has just gone to summer time
constexpr int kSubMinuteCode = 10;  // 15 seconds
constexpr int kQuarterHourCode = 2;

struct RecordMemory {
    int records = 0;
    std::uint32_t capacity = 0;  // records before the numbering wraps; 0 keeps the model's
    int batchRecords = 10;
    int intervalCode = kQuarterHourCode;
};

class LogSink : public DownloadProgressSink {
public:
    void SetOperationText(std::string) override {}
    void SetLogText(std::string text) override {
        log = std::move(text);
        if (onLog) {
            onLog(log);
        }
    }
    void SetStepText(std::string) override {}
    void SetStatusLine(std::string) override {}
    void SetProgress(int) override {}
    void EnableActivityTimer(bool) override {}
    std::string log;
    std::function<void(const std::string&)> onLog;
};

class QuarvenDownloadTest : public testsupport::DownloadFixture {
protected:
    void SetUp() override {
        DownloadFixture::SetUp();
        platform::TextTable texts = testsupport::LoadResourceTexts("en", "record_download");
        texts.Merge(testsupport::LoadResourceTexts("en", "analysis"));
        SetProgramTexts(std::move(texts));
    }
    void TearDown() override {
        DownloadFixture::TearDown();
        SetProgramTexts({});
    }

    // Starts the simulator playing `model` with records as `memory` says, then the session.
    bool StartWithRecords(const std::string& model, const RecordMemory& memory) {
        model_ = model;
        if (!Connect(model)) {
            return false;
        }
        Logger().ChangeState([&](LoggerState& s) {
            CSetupTable setup = s.setups.at(1);
            setup.GetHeader().SetIntervalCode(static_cast<std::uint8_t>(memory.intervalCode));
            InstallSetup(s, 1, setup);
            ClearQuarvenRecords(s);
            s.recordsAvailable = QuarvenBatchLength(s, memory.batchRecords);
            if (memory.capacity != 0) {
                s.memoryEnd = memory.capacity * s.recordSize;
            }
            s.clock = kMarch10;
            LogQuarvenRecords(s, memory.records);
        });
        return StartSession();
    }

    // A link to a new simulator that holds the state of the last one: the same logger reached again.
    bool Reconnect() {
        LoggerState state = Logger().State();
        state.binaryReplies = false;
        if (!Connect(model_)) {
            return false;
        }
        Logger().ChangeState([&](LoggerState& s) { s = state; });
        // As the command that reads new data finds it: the active setup read.
        return StartSession() &&
               Run([this] { return Object().ReadSetupHeader(1) && Object().ReadSetupBlocks(1); });
    }

    bool StartSession() {
        const bool started = Run([this] { return Object().InitializeSession(); }) == 1;
        Object().SetProgressSink(&sink_);
        policy_.recover = [this](int records, bool) {
            asked_.push_back(records);
            const int answer = answers_.empty() ? kReadDataKept : answers_.front();
            if (!answers_.empty()) {
                answers_.erase(answers_.begin());
            }
            return answer;
        };
        return started;
    }

    void LogMoreRecords(int records) {
        Logger().ChangeState([records](LoggerState& s) { LogQuarvenRecords(s, records); });
    }

    std::vector<QuarvenRecord> Held() const {
        const LoggerState state = simulator_->Logger().State();
        return {state.quarvenRecords.records.begin(), state.quarvenRecords.records.end()};
    }

    // The data file at `path` holds `expected`: local times to the second, values at the logger's resolution.
    void ExpectHeldRecords(const fs::path& path, const std::vector<QuarvenRecord>& expected) {
        CRawData file;
        file.Initialize();
        ASSERT_TRUE(file.OpenDataFile(path));
        ASSERT_EQ(file.GetRecordCount(), static_cast<int>(expected.size()));
        ASSERT_TRUE(file.BuildFieldList());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE("record " + std::to_string(i));
            ASSERT_TRUE(file.ReadRecord(static_cast<int>(i)));
            const std::span<const std::uint8_t> record = file.GetRecordBuffer();
            const std::tm local = *platform::ToLocalTime(static_cast<std::time_t>(expected[i].time));
            const RecordDate date = ReadRecordDate(record, CRawData::kDateOffset);
            const RecordTimeOfDay time = ReadRecordTimeOfDay(record, CRawData::kTimeOffset);
            ASSERT_EQ((std::array{RecordCalendarYear(date.year), date.month, date.day, time.hour, time.minute,
                                  time.second}),
                      (std::array{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                  local.tm_min, local.tm_sec}));
            for (std::size_t v = 0; v < expected[i].values.size(); ++v) {
                const CRawDataField* field = file.GetField(static_cast<int>(v) + 2);
                if (field->storageKind != CRawDataField::kStorageFloat || !Decoded(field->valueKind)) {
                    continue;
                }
                EXPECT_NEAR(ReadRecordFloat(record, field->offset), expected[i].values[v], 1e-3)
                    << "column " << v;
            }
        }
    }

    // The data file at `path` ends with its last counted record: nothing stale lies past it.
    static void ExpectNothingPastTheRecords(const fs::path& path) {
        CRawData file;
        file.Initialize();
        ASSERT_TRUE(file.OpenDataFile(path));
        EXPECT_EQ(fs::file_size(path), static_cast<std::uintmax_t>(file.GetDataOffset()) +
                                           static_cast<std::uintmax_t>(file.GetRecordCount()) *
                                               static_cast<std::uintmax_t>(file.GetRecordSize()));
    }

    static bool Decoded(int valueKind) {
        return valueKind == 1 || valueKind == 2 || (valueKind >= 4 && valueKind <= 7);
    }

    static std::vector<QuarvenRecord> Joined(std::vector<QuarvenRecord> first,
                                             const std::vector<QuarvenRecord>& then) {
        first.insert(first.end(), then.begin(), then.end());
        return first;
    }

    static std::vector<QuarvenRecord> Last(const std::vector<QuarvenRecord>& records, std::size_t count) {
        return {records.end() - static_cast<std::ptrdiff_t>(count), records.end()};
    }

    // Faults of the binary batches from the `after`-th batch from now on.
    void BreakAt(int after, SimulatorFaults faults) {
        faults.batchFaultsAfter = Logger().State().quarvenRecords.batchesServed + after;
        Logger().SetFaults(faults);
    }

    std::string model_;
    LogSink sink_;
    std::vector<int> answers_;
    std::vector<int> asked_;
};

TEST_P(QuarvenDownloadTest, AFullDownloadHoldsTheLoggersRecords) {
    struct Case {
        const char* name;
        const char* model;
        const char* zone;
        RecordMemory memory;
        bool hexReplies = false;  // the reply mode left alone: one record a hex dump
    };
    const Case cases[] = {
        {"RS, UTC", "quarven-rs", testsupport::kUtc, {.records = 45}},
        {"KX, New York across the change to summer time",
         "quarven-kx",
         testsupport::kNewYork,
         {.records = 45}},
        {"numbering wrapped", "quarven-rs", testsupport::kNewYork, {.records = 70, .capacity = 50}},
        {"15 seconds apart",
         "quarven-kx",
         testsupport::kUtc,
         {.records = 33, .intervalCode = kSubMinuteCode}},
        {"a last batch of one record", "quarven-rs", testsupport::kUtc, {.records = 31}},
        {"batches as long as a reply allows",
         "quarven-rs",
         testsupport::kUtc,
         {.records = 250, .batchRecords = 400}},
        {"hex dumps, numbering wrapped",
         "quarven-kx",
         testsupport::kNewYork,
         {.records = 30, .capacity = 20},
         true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        testsupport::ScopedTimeZone zone(test.zone);
        ASSERT_TRUE(StartWithRecords(test.model, test.memory));
        app_.Set(CAppContext::Flag::ReplyModeLock, test.hexReplies);
        const fs::path path = folder_ / "full.dat";
        EXPECT_EQ(DownloadAll(path), kReadDataDone);
        ExpectHeldRecords(path, Held());
        EXPECT_TRUE(NoRawFileIn(folder_.path()));
        EXPECT_FALSE(fs::exists(folder_ / "Discontinuities.txt"));
        EXPECT_TRUE(asked_.empty());
        EXPECT_EQ(Logger().State().quarvenRecords.batchesServed > 0, !test.hexReplies);
    }
    app_.Set(CAppContext::Flag::ReplyModeLock, false);
}

TEST_P(QuarvenDownloadTest, TheLogShowsTheFirstAndLastStampsAsTheGridShowsThatDay) {
    struct Case {
        const char* shortDate;
        const char* file;
        const char* first;
        const char* last;
    };
    // Five records a quarter of an hour apart from 14:00 on 10 March 2024 (UTC).
    const Case cases[] = {
        {"MM/dd/yy", "a.dat",
         "First record=03/10/24 14:00:00, record=", "Last record=03/10/24 15:00:00, record="},
        {"dd/MM/yyyy", "b.dat",
         "First record=10/03/2024 14:00:00, record=", "Last record=10/03/2024 15:00:00, record="}};
    ASSERT_TRUE(StartWithRecords("quarven-rs", {.records = 5}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shortDate);
        app_.shortDateFormat = c.shortDate;
        ASSERT_EQ(DownloadAll(folder_ / c.file), kReadDataDone);
        EXPECT_NE(sink_.log.find(c.first), std::string::npos) << sink_.log;
        EXPECT_NE(sink_.log.find(c.last), std::string::npos) << sink_.log;
    }
}

TEST_P(QuarvenDownloadTest, AFullReadOfARecordRangeGoesOnAfterItsLastRecord) {
    ASSERT_TRUE(StartWithRecords("quarven-rs", {.records = 30}));
    // "/f=5 /l=14": records 5 to 14 of those held.
    app_.commandLine.firstRecord = 5;
    app_.commandLine.lastRecord = 14;
    const fs::path path = folder_ / "range.dat";
    const std::uint32_t firstNumber = Logger().State().quarvenRecords.firstNumber;
    EXPECT_EQ(DownloadAll(path), kReadDataDone);
    app_.commandLine = {};
    const std::vector<QuarvenRecord> held = Held();
    ExpectHeldRecords(path, {held.begin() + 5, held.begin() + 15});
    // The next read of new data starts after record 14: the stored position is that number + 1.
    CRawData file;
    file.Initialize();
    ASSERT_TRUE(file.OpenDataFile(path));
    EXPECT_EQ(file.GetDataInfo()->GetLoggerMemoryPosition(), firstNumber + 5 + 10 + 1);
}

TEST_P(QuarvenDownloadTest, ARecordOfEightFFBytesEndsTheDataAndStaysOutOfTheFile) {
    ASSERT_TRUE(StartWithRecords("quarven-rs", {.records = 20}));
    // The stamp and the first value all ones: the memory's end mark.
    Logger().ChangeState([](LoggerState& s) {
        QuarvenRecord& mark = s.quarvenRecords.records[12];
        mark.time = 0xFFFFFFFF;
        mark.values.at(0) = std::bit_cast<float>(0xFFFFFFFFu);
    });
    const std::vector<QuarvenRecord> held = Held();
    const fs::path path = folder_ / "site.dat";
    DownloadAll(path);
    ExpectHeldRecords(path, {held.begin(), held.begin() + 12});
    ExpectNothingPastTheRecords(path);
    EXPECT_TRUE(NoRawFileIn(folder_.path()));
}

TEST_P(QuarvenDownloadTest, ALastBatchBeforeTheCountedRecordsEndsTheDownloadWithItsRecords) {
    // Batches of 10, 10 and a last one of 5, though "R?C" counts 7 more.
    ASSERT_TRUE(StartWithRecords("quarven-rs", {.records = 25}));
    Logger().ChangeState([](LoggerState& s) { s.countedBeyondHeld = 7; });
    const fs::path path = folder_ / "site.dat";
    EXPECT_EQ(DownloadAll(path), kReadDataDone);
    ExpectHeldRecords(path, Held());
    EXPECT_TRUE(asked_.empty());
}

TEST_P(QuarvenDownloadTest, NewDataIsAppendedOnceAndNothingNewLeavesTheFile) {
    testsupport::ScopedTimeZone zone(testsupport::kNewYork);
    ASSERT_TRUE(StartWithRecords("quarven-rs", {.records = 30, .capacity = 50}));
    const fs::path path = folder_ / "site.dat";
    ASSERT_EQ(DownloadAll(path), kReadDataDone);
    std::vector<QuarvenRecord> expected = Held();
    // The first ends on record 49 of 50, so the second starts from stored position 1 and checks record 49.
    for (const int more : {20, 7, 1}) {
        SCOPED_TRACE(more);
        LogMoreRecords(more);
        const std::size_t before = Logger().Commands().size();
        ASSERT_EQ(DownloadNew(path), kReadDataDone);
        // The stored record is checked in binary, the count asked in hex, and the records read in binary
        // batches again.
        std::vector<std::string> modes;
        const std::vector<std::string> sent = Logger().Commands();
        std::copy_if(sent.begin() + static_cast<std::ptrdiff_t>(before), sent.end(), std::back_inserter(modes),
                     [](const std::string& command) { return command == "R!B" || command == "R!H"; });
        EXPECT_EQ(modes, (std::vector<std::string>{"R!B", "R!H", "R!B"}));
        // Read from the stored position on, not all over again.
        const std::uint32_t start = static_cast<std::uint32_t>(expected.size()) % 50;
        EXPECT_NE(sink_.log.find(", record=" + std::to_string(start) + "\r\n"), std::string::npos)
            << sink_.log;
        expected = Joined(expected, Last(Held(), static_cast<std::size_t>(more)));
        ExpectHeldRecords(path, expected);
        ExpectHeldRecords(BackupOf(path), Joined({}, {expected.begin(), expected.end() - more}));
    }
    const std::string before = testsupport::ReadWholeFile(path);
    EXPECT_EQ(DownloadNew(path), kReadDataNothingToRead);
    EXPECT_EQ(testsupport::ReadWholeFile(path), before);
    EXPECT_TRUE(NoRawFileIn(folder_.path()));
}

TEST_P(QuarvenDownloadTest, AStoredRecordWrittenOverReadsEverythingAndAppendsOnlyNewerRecords) {
    ASSERT_TRUE(StartWithRecords("quarven-kx", {.records = 20, .capacity = 40}));
    const fs::path path = folder_ / "site.dat";
    ASSERT_EQ(DownloadAll(path), kReadDataDone);
    const std::vector<QuarvenRecord> old = Held();
    // More than the memory holds: the record before the stored position now has another time.
    LogMoreRecords(45);
    const std::vector<QuarvenRecord> held = Held();
    ASSERT_EQ(DownloadNew(path), kReadDataDone);
    ExpectHeldRecords(path, Joined(old, Last(held, held.size())));
    ExpectNothingPastTheRecords(path);
    // And a memory that still holds part of the old file's records adds only those after its last.
    ASSERT_TRUE(StartWithRecords("quarven-kx", {.records = 20, .capacity = 40}));
    ASSERT_EQ(DownloadAll(path), kReadDataDone);
    const std::vector<QuarvenRecord> kept = Held();
    // A second late, and so a time error before the next record.
    Logger().ChangeState([](LoggerState& s) { s.quarvenRecords.records.back().time += 1; });
    LogMoreRecords(5);
    boxes_.AnswerRequest<OpenWithDesktopRequest>(1);
    ASSERT_EQ(DownloadNew(path), kReadDataDone);
    ExpectHeldRecords(path, Joined(kept, Last(Held(), 6)));
    // The full read's records the old file held were dropped, not left behind the new ones.
    ExpectNothingPastTheRecords(path);
}

TEST_P(QuarvenDownloadTest, ABrokenDownloadLosesAndDoublesNoRecord) {
    struct Case {
        const char* name;
        SimulatorFaults faults;
        bool cancel;
        bool linkGone;
        int received;  // whole records when it broke
    };
    // The check of the stored record takes batch 0, so batches 1 and 2 come whole; the cancel comes
    // once the first record is in.
    const Case breaks[] = {
        {"link closed", {.closedBatches = 1}, false, true, 20},
        {"silence", {.silentBatches = 3}, false, false, 20},
        {"corrupt past three tries", {.corruptBatches = 3}, false, false, 20},
        {"short past three tries", {.shortBatches = 3}, false, false, 20},
        {"cancel", {}, true, false, 1},
    };
    for (const Case& test : breaks) {
        for (const int answer : {kReadDataTryAgain, kReadDataKept}) {
            SCOPED_TRACE(std::string(test.name) + (answer == kReadDataTryAgain ? ", try again" : ", keep"));
            ASSERT_TRUE(StartWithRecords("quarven-rs", {.records = 20}));
            const fs::path path = folder_ / "site.dat";
            ASSERT_EQ(DownloadAll(path), kReadDataDone);
            const std::vector<QuarvenRecord> old = Held();
            LogMoreRecords(40);
            BreakAt(3, test.faults);
            bool cancelled = false;
            sink_.onLog = [&](const std::string& log) {
                if (test.cancel && !cancelled && log.find("First record") != std::string::npos) {
                    cancelled = true;
                    app_.Set(CAppContext::Flag::Abort, true);
                }
            };
            answers_ = {answer, kReadDataKept};
            asked_.clear();
            // Where the logger falls silent or a batch stays short, the download waits out its time-outs.
            const int result = ThroughSilences([&] { return DownloadNew(path); });
            sink_.onLog = {};
            ASSERT_FALSE(asked_.empty());
            EXPECT_EQ(asked_.front(), test.received);
            const bool wentOn = answer == kReadDataTryAgain && !test.linkGone;
            // A try again that reads on to the end leaves its caller nothing more to try.
            EXPECT_EQ(result, wentOn ? kReadDataDone : kReadDataKept);
            EXPECT_TRUE(NoRawFileIn(folder_.path()));
            ExpectHeldRecords(BackupOf(path), old);
            const std::vector<QuarvenRecord> all = Joined(old, Last(Held(), 40));
            if (wentOn) {
                ExpectHeldRecords(path, all);
                continue;
            }
            ExpectHeldRecords(path, {all.begin(), all.begin() + 20 + test.received});
            app_.Set(CAppContext::Flag::Abort, false);
            Logger().SetFaults({});
            if (test.linkGone) {
                ASSERT_TRUE(Reconnect());
            }
            ASSERT_EQ(DownloadNew(path), kReadDataDone);
            ExpectHeldRecords(path, all);
            ExpectHeldRecords(BackupOf(path), {all.begin(), all.begin() + 20 + test.received});
        }
    }
}

TEST_P(QuarvenDownloadTest, OneShortBatchIsAskedForAgain) {
    // Before asking again the binary replies are switched on again ("R!B"); an unanswered first "R!B"
    // gets its second try.
    for (const bool firstModeCommandLost : {false, true}) {
        SCOPED_TRACE(firstModeCommandLost ? "the first R!B unanswered" : "R!B answered");
        ASSERT_TRUE(StartWithRecords("quarven-rs", {.records = 35}));
        BreakAt(1, {.shortBatches = 1});
        bool lost = false;
        sink_.onLog = [&](const std::string& log) {
            if (firstModeCommandLost && !lost && log.find("Asking again") != std::string::npos) {
                lost = true;
                Logger().SetFaults({.dropPrompts = 1});
            }
        };
        const fs::path path = folder_ / "site.dat";
        EXPECT_EQ(DownloadAll(path), kReadDataDone);
        sink_.onLog = {};
        ExpectHeldRecords(path, Held());
        EXPECT_TRUE(asked_.empty());
        EXPECT_NE(sink_.log.find("Asking again for record 10..."), std::string::npos) << sink_.log;
        const std::vector<std::string> sent = Logger().Commands();
        // One as the transfer starts, one before asking again, and the second try of a lost one.
        EXPECT_EQ(std::count(sent.begin(), sent.end(), "R!B"), firstModeCommandLost ? 3 : 2);
        // The second try follows the lost one before the record is asked for: were it left out, that
        // request would fail and be asked for once more, which sends its own "R!B".
        std::size_t askedAgain = 0;
        for (std::size_t at = sink_.log.find("Asking again"); at != std::string::npos;
             at = sink_.log.find("Asking again", at + 1)) {
            ++askedAgain;
        }
        EXPECT_EQ(askedAgain, 1u) << sink_.log;
    }
}

TEST_P(QuarvenDownloadTest, GapsAndTimeErrorsAreReportedAndTheRecordsKept) {
    ASSERT_TRUE(StartWithRecords("quarven-rs", {.records = 6, .intervalCode = kSubMinuteCode}));
    Logger().ChangeState([](LoggerState& s) {
        auto& records = s.quarvenRecords.records;
        // 30 s after the one before, then 10 s after that one; the last without a stamp.
        records[2].time = records[1].time + 30;
        records[3].time = records[2].time + 10;
        records[4].time = records[3].time + 15;
        records[5].time = 0xFFFFFFFF;
    });
    boxes_.AnswerRequest<OpenWithDesktopRequest>(1);
    const fs::path path = folder_ / "site.dat";
    EXPECT_EQ(DownloadAll(path), kReadDataDone);
    EXPECT_NE(sink_.log.find("Impossible time stamp at record 6..."), std::string::npos) << sink_.log;
    CRawData file;
    file.Initialize();
    ASSERT_TRUE(file.OpenDataFile(path));
    EXPECT_EQ(file.GetRecordCount(), 6);
    const std::vector<testsupport::AskedQuestion> asked = boxes_.Asked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].As<OpenWithDesktopRequest>().path, (folder_ / "Discontinuities.txt").string());
    const std::string report = testsupport::ReadWholeFile(folder_ / "Discontinuities.txt");
    EXPECT_NE(report.find(" in 2 gaps.\n1 record less than one interval after the one before.\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("Record 3 "), std::string::npos) << report;
    EXPECT_NE(report.find("Record 4 "), std::string::npos) << report;
}

TEST_P(QuarvenDownloadTest, FailedRecordQueriesEndTheDownloadWithoutAFile) {
    struct Case {
        const char* name;
        std::function<void(LoggerState&)> change;
        int result;
    };
    const Case cases[] = {
        {"a reply length beyond the cache", [](LoggerState& s) { s.recordsAvailable = 5137; },
         kReadDataNothingReceived},
        {"a record too short for its stamp", [](LoggerState& s) { s.recordSize = 4; },
         kReadDataNothingReceived},
        {"a reply length with no room for a record", [](LoggerState& s) { s.recordsAvailable = 20; },
         kReadDataNothingReceived},
        {"no records", [](LoggerState& s) { s.quarvenRecords.records.clear(); }, kReadDataNothingToRead},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        ASSERT_TRUE(StartWithRecords("quarven-rs", {.records = 5}));
        Logger().ChangeState(test.change);
        EXPECT_EQ(DownloadAll(folder_ / "site.dat"), test.result);
        EXPECT_FALSE(fs::exists(folder_ / "site.dat"));
        EXPECT_TRUE(NoRawFileIn(folder_.path()));
    }
}

TEST_P(QuarvenDownloadTest, ALoggerHoldingOnlyItsFactorySetupHasNothingToRead) {
    ASSERT_TRUE(Connect("quarven-rs"));
    Logger().ChangeState([](LoggerState& s) {
        CSetupTable setup = s.setups.at(1);
        setup.GetHeader().SetHeaderText("\aDefault SUT\a");
        InstallSetup(s, 1, setup);
    });
    ASSERT_TRUE(StartSession());
    const int commands = Logger().CommandCount();
    const std::size_t boxes = boxes_.Boxes().size();
    EXPECT_EQ(DownloadAll(folder_ / "site.dat"), kReadDataSetupHeaderFailed);
    EXPECT_EQ(Logger().CommandCount(), commands);
    ASSERT_EQ(boxes_.Boxes().size(), boxes + 1);
    EXPECT_EQ(boxes_.Boxes().back().ids.promptId, 59690u);
    EXPECT_FALSE(fs::exists(folder_ / "site.dat"));
}

INSTANTIATE_TEST_SUITE_P(Links, QuarvenDownloadTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
