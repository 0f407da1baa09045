// CDataLogger: the memory engine of a download: the logger memory read block by block into a raw file,
// then built into the data file; and the question after a transfer that broke part-way.
#include <filesystem>
#include <string>
#include <utility>

#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/app_context.h"
#include "shared/common/trace_log.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/download_ids.h"
#include "shared/logger/download_progress_sink.h"
#include "shared/logger/download_result.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/raw_download_file.h"

namespace {

namespace fs = std::filesystem;

// The transfer-active flag is clear at every end of a download.
class TransferActive {
public:
    explicit TransferActive(bool& flag) : flag_(flag) { flag_ = true; }
    ~TransferActive() { flag_ = false; }
    TransferActive(const TransferActive&) = delete;
    TransferActive& operator=(const TransferActive&) = delete;

private:
    bool& flag_;
};

}  // namespace

DownloadOutcome CDataLogger::Download(const fs::path& target, bool readAll, long recordBase,
                                      DownloadPolicy policy, std::optional<BuiltDataFile> earlierTry) {
    DownloadExchange exchange(std::move(policy), std::move(earlierTry));
    const int result = ReadData(target, readAll, recordBase, exchange);
    return exchange.Finish(result);
}

int CDataLogger::PromptDataRecovery(DownloadExchange& exchange, int recordsReceived) {
    return exchange.AskRecovery(recordsReceived, App().IsSet(CAppContext::Flag::PortLost));
}

// One memory download as its steps share it.
struct CDataLogger::MemoryRun {
    MemoryRun(fs::path to, bool all, DownloadExchange& asking)
        : target(std::move(to)), readAll(all), exchange(asking) {}

    const fs::path target;
    bool readAll;
    CSUTInfo* summary = nullptr;
    RawDownloadFile raw;
    // The address the read starts at (it runs down the ring), the bytes to read and the record size.
    std::int64_t first = 0;
    std::int64_t size = 0;
    int recordSize = 0;
    DownloadExchange& exchange;
};

int CDataLogger::ReadData(const fs::path& target, bool readAll, long /*recordBase*/,
                          DownloadExchange& exchange) {
    MemoryRun run(target, readAll, exchange);
    if (const int found = FindMemoryToRead(run); found != kReadDataDone) {
        return found;
    }
    const TransferActive active(transfer_active_);
    if (const int prepared = PrepareMemoryRun(run); prepared != kReadDataDone) {
        return prepared;
    }
    const bool transferred = ReadMemoryToFile(run.raw, run.first, run.size, run.readAll, run.exchange);
    return FinishMemoryRun(run, transferred);
}

int CDataLogger::FindMemoryToRead(MemoryRun& run) {
    run.summary = GetSUTInfo(1);
    if (run.summary == nullptr) {
        return kReadDataCancelled;
    }
    if (progress_sink_ != nullptr) {
        progress_sink_->SetOperationText(run.target.string());
    }
    ClearTrace();
    if (run.readAll) {
        run.summary->Clear();
        ShowStep(IDS_READING_SETUPS);
        if (!ReadSetupHeader(1)) {
            return kReadDataSetupHeaderFailed;
        }
        if (!ReadSetupBlocks(1)) {
            return kReadDataSetupBlocksFailed;
        }
    }
    if (run.summary->GetChannelCount(type_code_) < 1) {
        return kReadDataNothingToRead;
    }
    ShowStep(IDS_FINDING_RECORDS);
    if (!ReadStatus()) {
        return kReadDataStatusFailed;
    }
    bytes_received_ = 0;

    if (run.readAll) {
        Trace("ReadData(): Full download (bReadAll == TRUE)");
        run.size = SizeOfFullDataRead(run.first);
        if (run.size < 0) {
            return kReadDataSizeUnknown;
        }
    } else {
        Trace("ReadData(): Partial download (bReadAll == FALSE)");
        run.size = SizeOfPartialDataRead(run.first);
        if (wraps_ && !StoredMarkStillInMemory(run.exchange)) {
            // What the last download ended at was written over: everything the memory holds is new.
            run.size = SizeOfFullDataRead(run.first);
            run.readAll = true;
        }
    }
    return run.size == 0 ? kReadDataNothingToRead : kReadDataDone;
}

int CDataLogger::PrepareMemoryRun(MemoryRun& run) {
    run.recordSize = run.summary->setupTable ? run.summary->setupTable->GetRecordSize() : 0;
    if (run.recordSize < 1) {
        return kReadDataNoRecordSize;
    }
    if (run.size < 1 || run.size / run.recordSize < 1) {
        return kReadDataNothingToRead;
    }
    bytes_to_read_ = run.size;

    ShowStep(IDS_PREPARING_DOWNLOAD);
    CDataInfo info = data_info_;
    info.SetRecordCount(static_cast<std::uint32_t>(run.size / run.recordSize));
    info.SetIdText(description_);
    info.SetLoggerMemoryPosition(record_pointer_);
    info.SetLastRecordTimeMark(0);
    info.SetTypeText(firmware_text_);
    if (const int created = run.raw.Create(run.target, info, *run.summary->setupTable); created != 0) {
        return created;
    }
    ReportStatus(platform::FormatLoadedText(IDS_DOWNLOADING_TO, {run.target.string()}));
    const std::string reading = LoadText(IDS_READING_MEMORY) + "...";
    AppendTrace(reading);
    return kReadDataDone;
}

int CDataLogger::FinishMemoryRun(MemoryRun& run, bool transferred) {
    const std::string building = LoadText(IDS_BUILDING_DATA_FILE) + "...";
    AppendTrace(building);
    const int result = transferred ? AssembleMemoryRun(run) : KeepBrokenMemoryRun(run);
    const std::string ending =
        LoadText(result == kReadDataDone ? IDS_DOWNLOAD_COMPLETE : IDS_DOWNLOAD_FAILED);
    AppendTrace(ending);
    if (result == kReadDataDone) {
        PostStatusId(STATUS_TEXT, IDS_DOWNLOAD_DONE);
    }
    return result;
}

int CDataLogger::AssembleMemoryRun(MemoryRun& run) {
    const long interval = run.summary->setupTable->GetIntervalSeconds();
    run.exchange.CountRecords(static_cast<long>(run.size / run.recordSize));
    const int assembled =
        AssembleDownloadFile(run.target, run.raw, interval, -1, -1, run.readAll, run.exchange);
    return assembled == 1 ? kReadDataDone : assembled == 0 ? kReadDataAssemblyFailed : assembled;
}

int CDataLogger::KeepBrokenMemoryRun(MemoryRun& run) {
    if (IsAborted() || bytes_received_ == 0) {
        // Nothing is kept: the raw file goes too.
        run.raw.Remove();
        return IsAborted() ? kReadDataCancelled : kReadDataNothingReceived;
    }
    const std::int64_t records = bytes_received_ / run.recordSize;
    run.exchange.CountRecords(static_cast<long>(records));
    // The next download of new data starts below the last whole record kept, round the ring.
    std::int64_t next = run.first - records * run.recordSize;
    if (next < memory_start_) {
        next += std::int64_t{memory_end_} - memory_start_ + 1;
    }
    const long interval = run.summary->setupTable->GetIntervalSeconds();
    return AssembleDownloadFile(run.target, run.raw, interval, static_cast<long>(records), next + 1,
                                run.readAll, run.exchange) == 0
               ? kReadDataKept
               : PromptDataRecovery(run.exchange, static_cast<int>(records));
}

bool CDataLogger::StoredMarkStillInMemory(DownloadExchange& exchange) {
    const CSUTInfo* summary = GetSUTInfo(1);
    const std::int64_t r = summary->setupTable ? summary->setupTable->GetRecordSize() : 0;
    const std::int64_t start = memory_start_;
    const std::int64_t end = memory_end_;
    const std::int64_t k = r >= 1 ? ((end - start + 1) / r - 2) * r : 0;
    const std::int64_t oldest = start - end + record_pointer_ - 2 + k;
    std::uint32_t newestValue = 0;
    std::uint32_t oldestValue = 0;
    // A record that cannot be read counts as written over: the full read is the safe way on.
    if (!ReadRecordValue(record_pointer_ - 1 + r, newestValue, exchange) ||
        !ReadRecordValue(oldest, oldestValue, exchange)) {
        return false;
    }
    const auto mark = static_cast<std::int32_t>(stored_time_mark_);
    return mark <= static_cast<std::int32_t>(newestValue) && mark >= static_cast<std::int32_t>(oldestValue);
}
