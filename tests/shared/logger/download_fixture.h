// Downloads from the logger simulator into data files in a scratch folder: the logger's memory filled
// with records, a download of all or of new data prepared as the session's handlers prepare it, and the
// data file compared with what the simulator logged.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>

#include "shared/datafile/data_info.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/record_bytes.h"
#include "shared/link/session.h"
#include "shared/logger/download_progress_sink.h"
#include "shared/logger/user_download_policy.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"
#include "tests/shared/logger/logger_link_fixture.h"
#include "tests/support/temp_folder.h"
#include "tools/loggersim/data_memory.h"

namespace testsupport {

// Cancels a download as its transfer starts: its first status line names the data file it fills.
class CancelAtTransfer : public DownloadProgressSink {
public:
    explicit CancelAtTransfer(CAppContext& app) : app_(app) {}
    void SetOperationText(std::string) override {}
    void SetLogText(std::string) override {}
    void SetStepText(std::string) override {}
    void SetStatusLine(std::string) override {
        if (++lines_ == 1) {
            app_.Set(CAppContext::Flag::Abort, true);
        }
    }
    void SetProgress(int) override {}
    void EnableActivityTimer(bool) override {}

private:
    CAppContext& app_;
    int lines_ = 0;
};

// The interval code of 15 seconds, the sub-minute interval of the download tests.
inline constexpr int k15Seconds = 10;

// What a test asks of the logger's memory before the session starts.
struct MemorySetup {
    int records = 0;
    // Bytes of the ring; 0 keeps the model's own size.
    std::uint32_t memoryBytes = 0;
    // The active setup's interval code; -1 keeps the setup's.
    int intervalCode = -1;
    // 2024-03-07 13:00:00 UTC: the first record's stamp.
    std::time_t firstTime = 1709816400;
};

// A simulated logger with data in its memory, and the downloads from it.
class SimulatedDownloadLink : public SimulatedLoggerLink {
public:
    using SimulatedLoggerLink::SimulatedLoggerLink;

    // Starts the simulator playing `model` with its memory filled as `memory` says, then the session.
    bool StartWithMemory(const std::string& model, const MemorySetup& memory) {
        if (!Connect(model)) {
            return false;
        }
        Logger().ChangeState([&](LoggerState& s) {
            if (memory.intervalCode >= 0) {
                CSetupTable setup = s.setups.at(1);
                setup.GetHeader().SetIntervalCode(static_cast<std::uint8_t>(memory.intervalCode));
                InstallSetup(s, 1, setup);
            }
            const std::uint32_t start =
                memory.memoryBytes != 0 ? s.memoryEnd - memory.memoryBytes + 1 : s.memoryStart;
            ClearDataMemory(s, start, s.memoryEnd, memory.firstTime);
            LogRecords(s, memory.records);
        });
        return Run([this] { return Object().InitializeSession(); }) == 1;
    }

    // How many commands the logger takes while `job` runs on the session.
    template <class Job>
    int CommandsOf(Job job) {
        const int before = Logger().CommandCount();
        EXPECT_TRUE(Run(std::move(job)));
        return Logger().CommandCount() - before;
    }

    // Commands that a download sends before its first block: the setup read (all data, and the
    // command that reads new data), then the read range (new data) and the status.
    int CommandsBeforeBlocks(bool readAll) {
        return CommandsOf([this] { return Object().ReadSetupHeader(1) && Object().ReadSetupBlocks(1); }) +
               (readAll ? 1 : 2);
    }

    void LogMore(int records) {
        Logger().ChangeState([records](LoggerState& s) { LogRecords(s, records); });
    }

    // A full download into `path`.
    int DownloadAll(const std::filesystem::path& path) {
        return Run([&] {
            session_.SetNewDataRead(false);
            return Object().Download(path, true, 0, policy_).result;
        });
    }

    // A download of new data into the existing `path`, prepared as the read-new-data command does: the
    // logger's active setup read, the kept stamp and seconds from the file header, the stored position, time
    // mark and flag byte from the file, the read range sent. -100 when the setup or the file could not be
    // read or the range not sent.
    // `timeMark` replaces the file's time mark when given.
    int DownloadNew(const std::filesystem::path& path, std::optional<std::uint32_t> timeMark = std::nullopt) {
        return Run([&] {
            session_.SetNewDataRead(true);
            // The command reads the logger's active setup first.
            if (!Object().ReadSetupHeader(1) || !Object().ReadSetupBlocks(1)) {
                return -100;
            }
            CRawData file;
            file.Initialize();
            if (!file.OpenDataFile(path)) {
                return -100;
            }
            const CFileHeader& header = *file.GetFileHeader();
            const CDataInfo& info = *file.GetDataInfo();
            session_.SetKeptSeconds(header.GetLastRecordSeconds());
            session_.SetKeptStamp(static_cast<std::int32_t>(header.GetLastRecordStamp()));
            const std::uint32_t mark = timeMark.value_or(info.GetLastRecordTimeMark());
            Object().SetStoredContinuation(info.GetLoggerMemoryPosition(), mark, header.GetFlags());
            file.CloseDataFile();
            if (!Object().SendReadRange(info.GetLoggerMemoryPosition(), mark)) {
                return -100;
            }
            return Object().Download(path, false, 0, policy_).result;
        });
    }

    // The records of the data file at `path` equal records `first` to `first + count - 1` of what the
    // simulator logged: times to the second and values at the logger's resolution.
    void ExpectRecords(const std::filesystem::path& path, std::size_t first, std::size_t count) {
        const LoggerState state = Logger().State();
        ASSERT_LE(first + count, state.loggedRecords.size());
        CRawData file;
        file.Initialize();
        ASSERT_TRUE(file.OpenDataFile(path));
        ASSERT_EQ(file.GetRecordCount(), static_cast<int>(count));
        ASSERT_TRUE(file.BuildFieldList());
        for (std::size_t i = 0; i < count; ++i) {
            SCOPED_TRACE("record " + std::to_string(i));
            ASSERT_TRUE(file.ReadRecord(static_cast<int>(i)));
            const std::span<const std::uint8_t> record = file.GetRecordBuffer();
            const LoggedRecord& logged = state.loggedRecords[first + i];
            const RecordDate date = ReadRecordDate(record, CRawData::kDateOffset);
            const RecordTimeOfDay time = ReadRecordTimeOfDay(record, CRawData::kTimeOffset);
            const std::array<int, 6> read{
                RecordCalendarYear(date.year), date.month, date.day, time.hour, time.minute, time.second};
            ASSERT_EQ(read, logged.time);
            ASSERT_EQ(file.GetFieldCount(), static_cast<int>(logged.values.size()) + 2);
            for (std::size_t v = 0; v < logged.values.size(); ++v) {
                const float value = ReadRecordFloat(record, file.GetField(static_cast<int>(v) + 2)->offset);
                if (std::isnan(logged.values[v])) {
                    EXPECT_TRUE(std::isnan(value)) << "column " << v;
                } else {
                    EXPECT_NEAR(value, logged.values[v], std::abs(logged.values[v]) * 1e-6 + 1e-6)
                        << "column " << v;
                }
            }
        }
    }

    static std::filesystem::path BackupOf(std::filesystem::path path) {
        return path.replace_extension(".bak");
    }

    // No raw file of a download is left in `folder`.
    static bool NoRawFileIn(const std::filesystem::path& folder) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().filename().string().starts_with("$$LogDat")) {
                return false;
            }
        }
        return true;
    }

    // What answers the downloads' questions: the user, through the scripted broker, unless a test puts
    // its own answers.
    DownloadPolicy policy_ = UserDownloadPolicy();
};

class DownloadFixture : public LinkFixtureOf<SimulatedDownloadLink> {
protected:
    TempFolder folder_;
};

}  // namespace testsupport
