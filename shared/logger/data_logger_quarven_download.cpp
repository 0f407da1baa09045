// CDataLoggerQuarvenRSorKX: the record engine of a download: the logger's numbered records read in
// batches, their time stamps checked, written raw and built into the data file.
#include <algorithm>
#include <filesystem>
#include <string>
#include <span>
#include <utility>
#include <vector>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/app_context.h"
#include "shared/common/trace_log.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "shared/logger/discontinuity_report.h"
#include "shared/logger/download_ids.h"
#include "shared/logger/download_progress_text.h"
#include "shared/logger/download_progress_sink.h"
#include "shared/logger/download_result.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/raw_download_file.h"
#include "shared/logger/record_download_ids.h"
#include "shared/setup/setup_table.h"

namespace {

namespace fs = std::filesystem;

// A record begins with its 32-bit stamp; 8 bytes of 0xFF mark the end of the data.
constexpr int kStampSize = 4;
constexpr int kEndMarkSize = 8;
// A binary batch around its records: CR LF, the count, CR LF, then CR LF, the prompt and one byte.
constexpr int kBatchFraming = 10;
constexpr int kAttempts = 3;
constexpr int kRecordTimeout = 2000;
constexpr int kModeTimeout = 8000;
constexpr std::uint32_t kEndPauseMs = 3000;
constexpr std::uint32_t kProgressTurnMs = 1000;
constexpr std::string_view kHexDumpRefused = "Hex dump not valid";
// The setup of a logger that holds its factory default, with nothing recorded.
constexpr std::string_view kDefaultSetupName = "\aDefault SUT\a";

// The error codes of ReadHexRecords beyond the refusals of a batch.
constexpr int kCodeNoLink = 1;
constexpr int kCodeEndOfData = 6;
constexpr int kCodeNotWritten = 7;
constexpr int kCodeCancelled = 8;

std::uint32_t Wrapped(std::int64_t number, std::uint32_t capacity) {
    if (capacity == 0) {
        return static_cast<std::uint32_t>(number);
    }
    const std::int64_t m = capacity;
    return static_cast<std::uint32_t>((number % m + m) % m);
}

std::string Decimal(long long value) {
    return std::to_string(value);
}

// The first and last record lines of the log: "<text>=<time>, <record text>=<number>".
std::string RecordLine(unsigned textId, std::int64_t time, std::uint32_t number) {
    return LoadText(textId) + "=" + ShownRecordTime(time) + ", " + LoadText(IDS_RECORD_NUMBER) + "=" +
           Decimal(number);
}

// Why the record loop stopped, as its log line.
std::string FailureLine(int code, std::uint32_t number) {
    if (code >= kCodeNoLink && code <= kCodeNotWritten) {
        return platform::FillPrintfPlaceholders(
            "%s %d.", {LoadText(IDS_RECORD_NO_LINK + static_cast<unsigned>(code - 1)), Decimal(number)});
    }
    return code == kCodeCancelled ? LoadText(IDS_RECORD_CANCELLED) : std::string();
}

}  // namespace

void CDataLoggerQuarvenRSorKX::ReverseBytes(std::uint8_t* buffer, int length) {
    std::reverse(buffer, buffer + std::max(length, 0));
}

int CDataLoggerQuarvenRSorKX::CleanupTransfer(int result, RawDownloadFile& rawFile) {
    rawFile.Remove();
    record_cache_.Clear();
    FreeBlockData();
    return result;
}

void CDataLoggerQuarvenRSorKX::RestoreBinaryReplies() {
    // A block length left from the last batch must not frame the answer to "R!B".
    connection_->SetBlockReplyLength(0);
    if (connection_->GetReplyMode() != 'B') {
        AbortTransfer(true);
        return;
    }
    if (connection_->DoCommand("R!B", kModeTimeout) || connection_->DoCommand("R!B", kModeTimeout)) {
        connection_->SetReplyMode('B');
    }
}

const std::uint8_t* CDataLoggerQuarvenRSorKX::AskForRecord(std::uint32_t number, int recordSize,
                                                           int replyLength, int& code) {
    const bool binary = connection_->GetReplyMode() == 'B';
    connection_->SetBlockReplyLength(binary ? replyLength : 0);
    const int sent = connection_->DoCommand("R?D," + Decimal(number), kRecordTimeout);
    connection_->SetBlockReplyLength(0);
    if (!sent) {
        record_cache_.Clear();
        if (IsAborted()) {
            code = kCodeCancelled;
        }
        return nullptr;
    }
    if (!binary) {
        if (!CheckBlockReply(-1) || BlockData().size() < static_cast<std::size_t>(recordSize)) {
            record_cache_.Clear();
            return nullptr;
        }
        record_cache_.TakeRecord(BlockData().first(static_cast<std::size_t>(recordSize)), number);
        bool last = false;
        return record_cache_.Find(number, recordSize, record_capacity_, last).data();
    }
    std::vector<std::uint8_t> reply(RecordBatchCache::kCapacity);
    reply.resize(static_cast<std::size_t>(std::max(
        connection_->CopyReply(reinterpret_cast<char*>(reply.data()), static_cast<int>(reply.size())), 0)));
    if (reply.empty()) {
        code = RecordBatchCache::kNoRecords;
        return nullptr;
    }
    if (std::string_view(reinterpret_cast<const char*>(reply.data()), reply.size())
            .starts_with(kHexDumpRefused)) {
        connection_->DoCommand("R!B", kModeTimeout);
        return nullptr;
    }
    const int refused = record_cache_.TakeBinaryBatch(reply, number, recordSize, replyLength);
    if (refused != 0) {
        code = refused;
        return nullptr;
    }
    bool last = false;
    return record_cache_.Find(number, recordSize, record_capacity_, last).data();
}

const std::uint8_t* CDataLoggerQuarvenRSorKX::ReadHexRecords(std::uint32_t number, int recordSize,
                                                             int replyLength, bool& lastBatch,
                                                             std::int64_t& time, int& code) {
    code = 0;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (attempt > 1) {
            const std::string again = platform::FormatLoadedText(IDS_RECORD_ASKING_AGAIN, {Decimal(number)});
            AppendTrace(again);
            if (progress_sink_ != nullptr) {
                progress_sink_->EnableActivityTimer(true);
            }
            RestoreBinaryReplies();
        }
        bool last = false;
        std::span<const std::uint8_t> record = record_cache_.Find(number, recordSize, record_capacity_, last);
        if (record.empty()) {
            if (connection_->IsLinkLost() || connection_->IsSessionEnded()) {
                code = kCodeNoLink;
                return nullptr;
            }
            const std::uint8_t* asked = AskForRecord(number, recordSize, replyLength, code);
            if (asked == nullptr) {
                if (code == kCodeCancelled) {
                    return nullptr;
                }
                continue;
            }
            record = record_cache_.Find(number, recordSize, record_capacity_, last);
        }
        if (record.size() < static_cast<std::size_t>(kEndMarkSize) ||
            std::all_of(record.begin(), record.begin() + kEndMarkSize,
                        [](std::uint8_t b) { return b == 0xFF; })) {
            record_cache_.Clear();
            code = kCodeEndOfData;
            return nullptr;
        }
        lastBatch = lastBatch || last;
        time = std::int64_t{record[0]} | std::int64_t{record[1]} << 8 | std::int64_t{record[2]} << 16 |
               std::int64_t{record[3]} << 24;
        return record.data();
    }
    return nullptr;
}

// One record download as its steps share it: what the preparation found, then what the read left.
struct CDataLoggerQuarvenRSorKX::RecordRun {
    RecordRun(fs::path to, bool all, DownloadExchange& asking)
        : target(std::move(to)), readAll(all), exchange(asking) {}

    const fs::path target;
    bool readAll;
    RawDownloadFile raw;
    long interval = 0;
    int recordSize = 0;
    int replyLength = 0;
    std::int64_t total = 0;
    // The logger's number of the record at index 0, and the indexes read.
    std::uint32_t first = 0;
    long firstIndex = 0;
    long lastIndex = 0;
    long written = 0;
    std::int64_t lastTime = 0;
    int errorCode = 0;
    bool failed = false;
    // The user answered Try again and no record has come since.
    bool retrying = false;
    int result = kReadDataDone;
    DownloadExchange& exchange;
};

int CDataLoggerQuarvenRSorKX::ReadData(const fs::path& target, bool readAll, long recordBase,
                                       DownloadExchange& exchange) {
    RecordRun run(target, readAll, exchange);
    if (const int prepared = PrepareRecordRun(run); prepared != kReadDataDone) {
        return prepared;
    }
    if (!run.readAll) {
        if (const int found = FindNewRecords(run); found != kReadDataDone) {
            return found;
        }
    }
    DiscontinuityReport report(run.interval, recordBase);
    ReadRecords(run, report);
    return FinishRecordRun(run, report);
}

int CDataLoggerQuarvenRSorKX::PrepareRecordRun(RecordRun& run) {
    App().Set(CAppContext::Flag::PortLost, false);
    if (progress_sink_ != nullptr) {
        progress_sink_->SetOperationText(run.target.string());
    }
    ClearTrace();
    CSUTInfo* summary = GetSUTInfo(1);
    if (summary == nullptr) {
        return kReadDataCancelled;
    }
    if (summary->setupName == kDefaultSetupName) {
        run.exchange.Tell({IDS_DEFAULT_SETUP_ONLY, {}, MB_OK});
        return kReadDataSetupHeaderFailed;
    }
    if (run.readAll) {
        summary->Clear();
        ShowStep(IDS_READING_SETUPS);
        if (!ReadSetupHeader(1)) {
            return kReadDataSetupHeaderFailed;
        }
        if (!ReadSetupBlocks(1)) {
            return kReadDataSetupBlocksFailed;
        }
    }
    if (!summary->setupTable || summary->GetChannelCount(type_code_) < 1) {
        return kReadDataNothingToRead;
    }
    run.interval = summary->setupTable->GetIntervalSeconds();

    ShowStep(IDS_FINDING_RECORDS);
    if (!ReadStatus()) {
        return kReadDataStatusFailed;
    }
    ShowStep(IDS_PREPARING_DOWNLOAD);
    run.total = ReadRecordCount(-1);
    run.recordSize = ReadRecordSize();
    run.replyLength = ReadRecordsAvailable();
    // A record too short for its stamp and end mark, or a reply without room for one record or longer
    // than the cache, cannot be read.
    if (run.total < 0 || run.recordSize < kEndMarkSize || run.replyLength < run.recordSize + kBatchFraming ||
        run.replyLength > static_cast<int>(RecordBatchCache::kCapacity)) {
        return kReadDataNothingReceived;
    }
    record_capacity_ = memory_end_ / static_cast<std::uint32_t>(run.recordSize);
    if (run.total < 1) {
        return kReadDataNothingToRead;
    }
    if (ReadRecordInfo(run.readAll, run.first) != 0) {
        return kReadDataNothingReceived;
    }
    run.first = Wrapped(run.first, record_capacity_);

    CDataInfo info = data_info_;
    info.SetRecordCount(static_cast<std::uint32_t>(run.total));
    info.SetIdText(description_);
    info.SetTypeText(firmware_text_);
    info.SetLoggerMemoryPosition(0);
    info.SetLastRecordTimeMark(0);
    if (const int made = run.raw.Create(run.target, info, *summary->setupTable); made != 0) {
        return made;
    }
    record_cache_.Clear();
    if (!SetReplyMode(true)) {
        return CleanupTransfer(kReadDataCancelled, run.raw);
    }
    const CCommandLineValues range = App().GetCommandLineValues();
    run.firstIndex = run.readAll ? range.firstRecord : 0;
    return kReadDataDone;
}

int CDataLoggerQuarvenRSorKX::FindNewRecords(RecordRun& run) {
    if (GetStoredPosition() < 1) {
        return CleanupTransfer(kReadDataNothingReceived, run.raw);
    }
    const std::uint32_t start = Wrapped(std::int64_t{GetStoredPosition()} - 1, record_capacity_);
    // The record before the stored position must be the old file's last: its stamp is what the
    // session took from that file's header.
    bool lastBatch = false;
    std::int64_t time = 0;
    int code = 0;
    const bool read = ReadHexRecords(Wrapped(std::int64_t{start} - 1, record_capacity_), run.recordSize,
                                     run.replyLength, lastBatch, time, code) != nullptr;
    std::int64_t storedTime = 0;
    if (const CSession* session = Session(); session != nullptr && session->GetKeptStamp() > 0) {
        storedTime = std::int64_t{session->GetKeptStamp()} * 60 + session->GetKeptSeconds();
    }
    if (!SetReplyMode(false)) {
        return CleanupTransfer(kReadDataCancelled, run.raw);
    }
    if (!read || time != storedTime) {
        // Written over since: the whole memory is read, and the assembly keeps only what is newer.
        run.readAll = true;
        if (const int result = ReadRecordInfo(false, run.first); result != 0) {
            return CleanupTransfer(result, run.raw);
        }
        run.first = Wrapped(run.first, record_capacity_);
        run.total = ReadRecordCount(-1);
    } else {
        run.first = start;
        run.total = ReadRecordCount(static_cast<int>(start));
    }
    if (run.total < 0) {
        return CleanupTransfer(kReadDataNothingReceived, run.raw);
    }
    if (run.total < 1) {
        return CleanupTransfer(kReadDataNothingToRead, run.raw);
    }
    record_cache_.Clear();
    if (!SetReplyMode(true)) {
        return CleanupTransfer(kReadDataCancelled, run.raw);
    }
    return kReadDataDone;
}

void CDataLoggerQuarvenRSorKX::ReadRecords(RecordRun& run, DiscontinuityReport& report) {
    const CCommandLineValues range = App().GetCommandLineValues();
    run.lastIndex = range.lastRecord != 0 && range.lastRecord < run.total ? range.lastRecord
                                                                          : static_cast<long>(run.total - 1);
    ReportStatus(TransferLine(run));
    App().Set(CAppContext::Flag::DownloadRunning, true);
    const std::string reading = LoadText(IDS_READING_RECORDS) + "...";
    AppendTrace(reading);

    std::vector<std::uint8_t> reversed(static_cast<std::size_t>(run.recordSize));
    const std::uint32_t started = connection_->Clock().Now();
    std::uint32_t lastShown = started;
    for (long index = run.firstIndex; index <= run.lastIndex;) {
        const std::uint32_t number = Wrapped(std::int64_t{run.first} + index, record_capacity_);
        bool lastBatch = false;
        std::int64_t time = 0;
        const std::uint8_t* record = nullptr;
        if (IsAborted()) {
            run.errorCode = kCodeCancelled;
        } else {
            record = ReadHexRecords(number, run.recordSize, run.replyLength, lastBatch, time, run.errorCode);
        }
        if (record == nullptr) {
            if (!RecoverFromFailedRecord(run, number)) {
                break;
            }
            continue;
        }
        if (lastBatch) {
            run.lastIndex = index;
        }
        for (const std::string& line : report.Check(time)) {
            AppendTrace(line);
        }
        if (run.written == 0) {
            const std::string line = RecordLine(IDS_RECORD_FIRST_TIME, time, number);
            AppendTrace(line);
        }
        std::copy_n(record, run.recordSize, reversed.begin());
        ReverseBytes(reversed.data(), run.recordSize);
        // Reversed, the stamp ends the stored record as in the older models' raw memory; the record's
        // last 4 bytes, now first, are not kept.
        CPSTFileException writeError;
        if (!run.raw.Append(std::span<const std::uint8_t>(reversed).subspan(kStampSize), writeError)) {
            run.errorCode = kCodeNotWritten;
            run.failed = true;
            const std::string why = FailureLine(run.errorCode, number);
            AppendTrace(why);
            break;
        }
        ++run.written;
        run.retrying = false;
        run.lastTime = time;

        const std::uint32_t now = connection_->Clock().Now();
        if (index == run.lastIndex || now - lastShown >= kProgressTurnMs) {
            lastShown = now;
            ShowRecordProgress(run, now - started);
        }
        ++index;
    }
}

bool CDataLoggerQuarvenRSorKX::RecoverFromFailedRecord(RecordRun& run, std::uint32_t number) {
    run.failed = true;
    const std::string why = FailureLine(run.errorCode, number);
    AppendTrace(why);
    if (App().IsSet(CAppContext::Flag::PortLost)) {
        if (CSession* session = Session()) {
            session->Disconnect(0, true);
        }
    }
    if (run.retrying && run.errorCode == kCodeNoLink) {
        // The try again could not even start, the link being gone: the download ends as Keep ends.
        run.result = kReadDataKept;
        return false;
    }
    run.result = PromptDataRecovery(run.exchange, static_cast<int>(run.written));
    App().Set(CAppContext::Flag::Abort, false);
    if (run.result == kReadDataRecoveryCancelled) {
        App().Set(CAppContext::Flag::Abort, true);
        return false;
    }
    if (run.result != kReadDataTryAgain) {
        return false;
    }
    const std::string again = LoadText(IDS_RECORD_TRYING_AGAIN);
    AppendTrace(again);
    record_cache_.Clear();
    run.errorCode = 0;
    // The read goes on in this download: unless it breaks again, it ends as one that never broke, with
    // nothing left for the caller to try again.
    run.failed = false;
    run.result = kReadDataDone;
    run.retrying = true;
    return true;
}

std::string CDataLoggerQuarvenRSorKX::TransferLine(const RecordRun& run) {
    return platform::FormatLoadedText(IDS_DOWNLOADING_TO, {run.target.string()}) +
           platform::FillPrintfPlaceholders("  (%d %s)", {Decimal(run.total), LoadText(IDS_RECORD_UNIT)});
}

void CDataLoggerQuarvenRSorKX::ShowRecordProgress(RecordRun& run, std::uint32_t elapsedMs) {
    if (run.written > run.total) {
        // The logger recorded more meanwhile.
        run.total = run.written;
        ReportStatus(TransferLine(run));
    }
    if (elapsedMs > kRecordRateAfterMs && progress_sink_ != nullptr) {
        progress_sink_->SetProgress(
            static_cast<int>(std::min<std::int64_t>(run.written * 100 / run.total, 100)));
    }
    ReportStatus(RecordProgressText(run.written, static_cast<long>(run.total), elapsedMs, run.recordSize));
}

int CDataLoggerQuarvenRSorKX::FinishRecordRun(RecordRun& run, const DiscontinuityReport& report) {
    if (progress_sink_ != nullptr) {
        progress_sink_->SetProgress(100);
        progress_sink_->EnableActivityTimer(false);
    }
    const std::uint32_t next =
        Wrapped(std::int64_t{run.first} + run.firstIndex + run.written, record_capacity_);
    if (run.written > 1) {
        const std::string line =
            RecordLine(IDS_RECORD_LAST_TIME, run.lastTime, Wrapped(std::int64_t{next} - 1, record_capacity_));
        AppendTrace(line);
    }
    App().Set(CAppContext::Flag::DownloadRunning, false);
    run.exchange.CountRecords(run.written);

    const std::string building = LoadText(IDS_RECORD_BUILDING_FILE);
    AppendTrace(building);
    if (run.written == 0 && run.failed) {
        // Nothing to keep: an empty file must not take the place of the old one.
        CleanupTransfer(0, run.raw);
    } else if (!AssembleDownloadFile(run.target, run.raw, run.interval, run.written, std::int64_t{next} + 1,
                                     run.readAll, run.exchange)) {
        return CleanupTransfer(kReadDataAssemblyFailed, run.raw);
    }
    run.raw.Remove();
    const std::string removed = LoadText(IDS_RECORD_RAW_FILE_REMOVED);
    AppendTrace(removed);
    const bool cancelled = IsAborted();
    if (cancelled) {
        App().Set(CAppContext::Flag::Abort, false);
    }
    const bool portLost = App().IsSet(CAppContext::Flag::PortLost);
    if (Session() != nullptr && !portLost && !connection_->IsLinkLost() &&
        (!run.failed || run.errorCode == kCodeCancelled)) {
        const std::string ending = LoadText(IDS_RECORD_ENDING_BINARY);
        AppendTrace(ending);
        connection_->SendEscape();
    }
    const std::string ended = LoadText(IDS_RECORD_DOWNLOAD_ENDED);
    AppendTrace(ended);
    if ((!cancelled || run.result == kReadDataKept) && (!run.failed || run.result != kReadDataDone) &&
        run.written > 0) {
        ShowStep(IDS_DOWNLOAD_DONE);
        App().Set(CAppContext::Flag::PortLost, false);
        if (report.IsEmpty()) {
            connection_->WaitMsgPump({}, kEndPauseMs, false);
        } else if (const std::optional<fs::path> reportPath = report.Write(run.target.parent_path())) {
            run.exchange.ShowReport(*reportPath);
        }
        return run.result;
    }
    if (cancelled) {
        App().Set(CAppContext::Flag::Abort, true);
    }
    connection_->WaitMsgPump({}, kEndPauseMs, false);
    return CleanupTransfer(kReadDataNothingReceived, run.raw);
}
