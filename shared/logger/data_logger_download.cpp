// CDataLogger: the memory engine of a download: the logger memory read block by block into a raw file,
// then built into the data file; and the question after a transfer that broke part-way.
#include <filesystem>
#include <string>

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

int CDataLogger::PromptDataRecovery(int recordsReceived) {
    const bool portLost = App().IsSet(CAppContext::Flag::PortLost);
    return recovery_prompt_ ? recovery_prompt_(recordsReceived, portLost)
                            : AskDataRecovery(recordsReceived, portLost);
}

int CDataLogger::ReadData(const fs::path& target, bool readAll, long /*recordBase*/) {
    CSUTInfo* summary = GetSUTInfo(1);
    if (summary == nullptr) {
        return kReadDataCancelled;
    }
    if (progress_sink_ != nullptr) {
        progress_sink_->SetStatusLine(target.string());
    }
    AppendTrace(nullptr);
    if (readAll) {
        summary->Clear();
        WriteTrace(IDS_READING_SETUPS);
        if (!ReadSetupHeader(1)) {
            return kReadDataSetupHeaderFailed;
        }
        if (!ReadSetupBlocks(1)) {
            return kReadDataSetupBlocksFailed;
        }
    }
    if (summary->GetChannelCount(type_code_) < 1) {
        return kReadDataNothingToRead;
    }
    WriteTrace(IDS_FINDING_RECORDS);
    if (!ReadStatus()) {
        return kReadDataStatusFailed;
    }
    bytes_received_ = 0;

    std::int64_t first = 0;
    std::int64_t size = 0;
    if (readAll) {
        Trace("ReadData(): Full download (bReadAll == TRUE)");
        size = SizeOfFullDataRead(first);
        if (size < 0) {
            return kReadDataSizeUnknown;
        }
    } else {
        Trace("ReadData(): Partial download (bReadAll == FALSE)");
        size = SizeOfPartialDataRead(first);
        if (wraps_ && !StoredMarkStillInMemory()) {
            // What the last download ended at was written over: everything the memory holds is new.
            size = SizeOfFullDataRead(first);
            readAll = true;
        }
    }
    if (size == 0) {
        return kReadDataNothingToRead;
    }

    const TransferActive active(transfer_active_);
    const int recordSize = summary->setupTable ? summary->setupTable->GetRecordSize() : 0;
    if (recordSize < 1) {
        return kReadDataNoRecordSize;
    }
    if (size < 1 || size / recordSize < 1) {
        return kReadDataNothingToRead;
    }
    bytes_to_read_ = size;

    WriteTrace(IDS_PREPARING_DOWNLOAD);
    CDataInfo info = data_info_;
    info.SetRecordCount(static_cast<std::uint32_t>(size / recordSize));
    info.SetIdText(description_);
    info.SetLoggerMemoryPosition(record_pointer_);
    info.SetLastRecordTimeMark(0);
    info.SetTypeText(firmware_text_);
    RawDownloadFile rawFile;
    if (const int created = rawFile.Create(target, info, *summary->setupTable); created != 0) {
        return created;
    }
    ReportStatus(platform::FormatLoadedText(IDS_DOWNLOADING_TO, {target.string()}));
    const std::string reading = LoadText(IDS_READING_MEMORY) + "...";
    AppendTrace(&reading);

    const bool transferred = ReadMemoryToFile(rawFile, first, size, readAll);
    const std::string building = LoadText(IDS_BUILDING_DATA_FILE) + "...";
    AppendTrace(&building);
    const long interval = summary->setupTable->GetIntervalSeconds();
    int result = kReadDataDone;
    if (transferred) {
        const int assembled = AssembleDownloadFile(target, rawFile, interval, -1, -1, readAll);
        result = assembled == 1 ? kReadDataDone : assembled == 0 ? kReadDataAssemblyFailed : assembled;
    } else if (IsAborted() || bytes_received_ == 0) {
        // Nothing is kept: the raw file goes too.
        rawFile.Remove();
        result = IsAborted() ? kReadDataCancelled : kReadDataNothingReceived;
    } else {
        const std::int64_t records = bytes_received_ / recordSize;
        // The next download of new data starts below the last whole record kept, round the ring.
        std::int64_t next = first - records * recordSize;
        if (next < memory_start_) {
            next += std::int64_t{memory_end_} - memory_start_ + 1;
        }
        result = AssembleDownloadFile(target, rawFile, interval, static_cast<long>(records), next + 1,
                                      readAll) == 0
                     ? kReadDataKept
                     : PromptDataRecovery(static_cast<int>(records));
    }
    const std::string ending =
        LoadText(result == kReadDataDone ? IDS_DOWNLOAD_COMPLETE : IDS_DOWNLOAD_FAILED);
    AppendTrace(&ending);
    if (result == kReadDataDone) {
        PostStatusId(STATUS_TEXT, IDS_DOWNLOAD_DONE);
    }
    return result;
}

bool CDataLogger::StoredMarkStillInMemory() {
    const CSUTInfo* summary = GetSUTInfo(1);
    const std::int64_t r = summary->setupTable ? summary->setupTable->GetRecordSize() : 0;
    const std::int64_t start = memory_start_;
    const std::int64_t end = memory_end_;
    const std::int64_t k = r >= 1 ? ((end - start + 1) / r - 2) * r : 0;
    const std::int64_t oldest = start - end + record_pointer_ - 2 + k;
    std::uint32_t newestValue = 0;
    std::uint32_t oldestValue = 0;
    // A record that cannot be read counts as written over: the full read is the safe way on.
    if (!ReadRecordValue(record_pointer_ - 1 + r, newestValue) || !ReadRecordValue(oldest, oldestValue)) {
        return false;
    }
    const auto mark = static_cast<std::int32_t>(stored_time_mark_);
    return mark <= static_cast<std::int32_t>(newestValue) && mark >= static_cast<std::int32_t>(oldestValue);
}
