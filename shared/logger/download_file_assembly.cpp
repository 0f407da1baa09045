// CDataLogger: the data file a download ends with: the raw file converted, after the old file's records
// when the session reads new data, with the fields the next download of new data continues from.
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/base/file_exception.h"
#include "platform/base/message_box_flags.h"
#include "shared/common/app_context.h"
#include "shared/datafile/conversion_context.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/message_sink.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/record_bytes.h"
#include "shared/link/session.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/download_result.h"
#include "shared/logger/raw_download_file.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"

namespace {

namespace fs = std::filesystem;

// Bit 0 of the file header's flag byte: the file's last download was one of new data.
constexpr std::uint8_t kPartialFlag = 0x01;
// Records are moved in blocks of about this size.
constexpr std::size_t kMoveBytes = 64 * 1024;

// The raw file goes however the assembly ends.
struct RemovedAtEnd {
    RawDownloadFile& file;
    ~RemovedAtEnd() { file.Remove(); }
};

// Where an appended file's previous records stay: the name cut before its last "." with ".bak".
fs::path BackupPathOf(const fs::path& path) {
    fs::path backup = path;
    return backup.replace_extension(".bak");
}

// A record's date and time as one number that grows with them (yyyymmddhhmmss).
std::int64_t StampKey(std::span<const std::uint8_t> record) {
    const RecordDate date = ReadRecordDate(record, CRawData::kDateOffset);
    const RecordTimeOfDay time = ReadRecordTimeOfDay(record, CRawData::kTimeOffset);
    std::int64_t key = RecordCalendarYear(date.year);
    for (const int part : {date.month, date.day, time.hour, time.minute, time.second}) {
        key = key * 100 + part;
    }
    return key;
}

// Drops the leading records of the `count` at `first` that are not newer than `lastKept` and moves the
// rest down in their place; returns how many are left. A download of new data that fell back to a full
// read converted the whole memory, whose older part the old file already holds. Throws CPSTFileException.
long DropRecordsNotNewer(platform::BinaryFile& file, std::uint64_t first, long count, int size,
                         std::int64_t lastKept) {
    const auto recordBytes = static_cast<std::uint64_t>(size);
    std::vector<std::uint8_t> block(recordBytes);
    long dropped = 0;
    for (; dropped < count; ++dropped) {
        file.Seek(static_cast<std::int64_t>(first + static_cast<std::uint64_t>(dropped) * recordBytes),
                  platform::BinaryFile::Origin::Begin);
        file.ReadExact(block);
        if (StampKey(block) > lastKept) {
            break;
        }
    }
    const long kept = count - dropped;
    if (dropped > 0) {
        const long perBlock = std::max<long>(1, static_cast<long>(kMoveBytes / recordBytes));
        for (long done = 0; done < kept;) {
            const long records = std::min(perBlock, kept - done);
            block.resize(static_cast<std::size_t>(records) * recordBytes);
            file.Seek(
                static_cast<std::int64_t>(first + static_cast<std::uint64_t>(dropped + done) * recordBytes),
                platform::BinaryFile::Origin::Begin);
            file.ReadExact(block);
            // The destination lies below the source, so a block never overwrites what is still to move.
            file.Seek(static_cast<std::int64_t>(first + static_cast<std::uint64_t>(done) * recordBytes),
                      platform::BinaryFile::Origin::Begin);
            file.Write(block);
            done += records;
        }
        file.SetLength(first + static_cast<std::uint64_t>(kept) * recordBytes);
    }
    file.Seek(0, platform::BinaryFile::Origin::End);
    return kept;
}

// The data files' messages go to the download's caller, in the style the program's own sink shows them.
class ExchangeSink : public CMessageSink {
public:
    explicit ExchangeSink(DownloadExchange& exchange) : exchange_(exchange) {}
    void ShowMessage(const std::string& text) override {
        exchange_.Tell({0, text, MB_OK | MB_ICONEXCLAMATION});
    }

private:
    DownloadExchange& exchange_;
};

}  // namespace

CConversionContext CDataLogger::MakeConversionContext(long intervalSeconds) const {
    CConversionContext context;
    context.modelCode = type_code_;
    context.firmwareVersion = SessionFirmwareVersion();
    context.currentScalar = GetAScalar();
    context.voltageScalar = GetVScalar();
    context.intervalSeconds = intervalSeconds;
    context.firstLoggerTime = data_info_.GetFirstLoggerTime();
    const CCommandLineValues range = App().GetCommandLineValues();
    context.firstRecord = range.firstRecord;
    context.lastRecord = range.lastRecord;
    if (const CSession* session = Session()) {
        context.keptStamp = static_cast<std::uint32_t>(session->GetKeptStamp());
        context.keptSeconds = session->GetKeptSeconds();
    }
    return context;
}

void CDataLogger::SetStoredContinuation(std::uint32_t position, std::uint32_t timeMark, std::uint8_t flags) {
    stored_position_ = position;
    stored_time_mark_ = timeMark;
    stored_flags_ = flags;
}

int CDataLogger::AssembleDownloadFile(const std::filesystem::path& target, RawDownloadFile& rawFile,
                                      long intervalSeconds, long recordCount, std::int64_t position,
                                      bool readAll, DownloadExchange& exchange) {
    const RemovedAtEnd removed{rawFile};
    CSession* session = Session();
    if (session == nullptr) {
        return 0;
    }
    // The old file stays at its path, untouched, until the new one is complete.
    const bool append = session->IsNewDataRead();
    ExchangeSink messages(exchange);
    CRawData old;
    old.SetMessageSink(messages);
    old.Initialize();
    if (append && !old.OpenDataFile(target)) {
        return 0;
    }
    CRawData raw;
    raw.SetMessageSink(messages);
    raw.Initialize();
    try {
        if (!raw.OpenDataFile(rawFile.Reader())) {
            return 0;
        }
    } catch (const CPSTFileException& error) {
        raw.GetMessageSink().ReportFileException(error);
        return 0;
    }
    CDataInfo& rawInfo = *raw.GetDataInfo();
    if (recordCount >= 0) {
        rawInfo.SetRecordCount(static_cast<std::uint32_t>(recordCount));
    }
    CRawData data;
    data.SetMessageSink(messages);
    data.Initialize();
    CDataInfo& info = *data.GetDataInfo();
    info = rawInfo;
    *data.GetSetupTable() = *raw.GetSetupTable();
    if (!data.CreateDataFile(target, CFileHeader::kKindDataFile) || (append && !data.AppendRecords(old))) {
        return 0;
    }

    CConversionContext context = MakeConversionContext(intervalSeconds);
    context.firstLoggerTime = info.GetFirstLoggerTime();
    const std::uint64_t firstConverted = data.GetFile().Position();
    if (!data.ConvertRawDownload(raw.GetFile(), context)) {
        return 0;
    }
    session->SetKeptStamp(static_cast<std::int32_t>(context.keptStamp));
    session->SetKeptSeconds(context.keptSeconds);
    long converted = static_cast<long>(info.GetRecordCount());
    // Only records newer than the old file's last follow it: a download of new data that fell back to a
    // full read holds the old file's records too.
    if (append && old.GetRecordCount() > 0) {
        try {
            if (!old.ReadRecord(old.GetRecordCount() - 1)) {
                return 0;
            }
            converted = DropRecordsNotNewer(data.GetFile(), firstConverted, converted, data.GetRecordSize(),
                                            StampKey(old.GetRecordBuffer()));
        } catch (const CPSTFileException& error) {
            data.GetMessageSink().ReportFileException(error);
            return 0;
        }
        if (converted == 0) {
            // Nothing newer than the old file: it stays as it is.
            return kReadDataNothingToRead;
        }
    }

    long total = converted + (append ? old.GetRecordCount() : 0);
    if (context.lastRecord != 0) {
        total = context.lastRecord - context.firstRecord + 1;
    }
    info.SetRecordCount(static_cast<std::uint32_t>(total));
    info.SetTypeText(firmware_text_);

    CFileHeader& header = *data.GetFileHeader();
    std::uint8_t flags = header.GetFlags() & static_cast<std::uint8_t>(~kPartialFlag);
    // A full read without a position keeps the position and time mark the raw file and the conversion gave.
    if (!readAll || position > 0) {
        if (position >= 0) {
            flags |= kPartialFlag;
        } else {
            position = data_info_.GetLoggerMemoryPosition();
        }
        info.SetLoggerMemoryPosition(static_cast<std::uint32_t>(position));
        // A minute count and two second counts added as they are: loggers in the field expect it formed so.
        const CSUTInfo* summary = GetSUTInfo(1);
        const long interval =
            summary != nullptr && summary->setupTable ? summary->setupTable->GetIntervalSeconds() : 0;
        info.SetLastRecordTimeMark(static_cast<std::uint32_t>(session->GetKeptStamp()) +
                                   static_cast<std::uint32_t>(session->GetKeptSeconds()) +
                                   static_cast<std::uint32_t>(interval));
    }
    header.SetFlags(flags);
    stored_flags_ = flags;
    if (!data.RewriteHeader()) {
        return 0;
    }

    // The new file is complete: the old one becomes the backup (replacing an older one), the new one
    // takes the path; when that last step fails the old file goes back. After an earlier try of this
    // download the old file is only what that try built: the new one replaces it, and the backup stays
    // the file as it was before the download (none for a download into a new file).
    old.CloseDataFile();
    const bool backsUp = append && !exchange.EarlierTry();
    const fs::path backup = BackupPathOf(target);
    std::error_code error;
    if (backsUp) {
        fs::rename(target, backup, error);
        if (error) {
            exchange.Tell({0, CPSTFileException::FromErrno(error.value(), target).MessageText(), MB_OK});
            return 0;
        }
    }
    if (!data.CloseDataFile()) {
        if (backsUp) {
            fs::rename(backup, target, error);
        }
        return 0;
    }
    exchange.FileBuilt({target, converted, backsUp ? std::optional<fs::path>(backup) : std::nullopt});
    return 1;
}
