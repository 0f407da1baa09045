// CRawData: opening, creating and closing data files, and reading records by index.
#include "shared/datafile/raw_data.h"

#include <algorithm>
#include <climits>

#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/datafile_ids.h"
#include "shared/datafile/message_sink.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr const char* kNewerVersionMessage =
    "The file being read is from a newer version of KIVO and cannot be opened.";

// Records read together by ReadRecord, so that a grid or an export walking the file reads in blocks.
constexpr int kCacheBytes = 64 * 1024;

int ClampedCount(std::uint32_t count) {
    return static_cast<int>(std::min<std::uint32_t>(count, INT_MAX));
}

}  // namespace

CRawData::CRawData() : messages_(&MessageBoxSink()) {}

CRawData::~CRawData() {
    if (temp_.IsActive()) {
        Abort();
    }
}

bool CRawData::Initialize(CDataInfo* info, CSetupTable* setup) {
    if ((info == nullptr) != (setup == nullptr)) {
        return false;
    }
    if (info == nullptr) {
        owned_info_ = std::make_unique<CDataInfo>();
        owned_setup_ = std::make_unique<CSetupTable>();
        info_ = owned_info_.get();
        setup_ = owned_setup_.get();
    } else {
        owned_info_.reset();
        owned_setup_.reset();
        info_ = info;
        setup_ = setup;
    }
    header_ = std::make_unique<CFileHeader>();
    return true;
}

void CRawData::ShowFileMessage(unsigned id) const {
    messages_->ShowMessage(platform::FormatLoadedText(id, {platform::PathToWindows1252(path_)}));
}

FileErrorReport CRawData::SinkReport() const {
    return [this](const CPSTFileException& error) { messages_->ReportFileException(error); };
}

void CRawData::FileFailed(const CPSTFileException& error) {
    messages_->ReportFileException(error);
    Abort();
}

bool CRawData::StartOn(const std::filesystem::path& path) {
    if (header_ == nullptr) {
        return false;
    }
    CloseDataFile();
    path_ = path;
    given_up_ = false;
    return true;
}

bool CRawData::OpenDataFile(const std::filesystem::path& path) {
    if (!StartOn(path)) {
        return false;
    }
    CPSTFileException error;
    if (!file_.Open(path, platform::BinaryFile::Mode::Read, error)) {
        messages_->ReportFileException(error);
        return false;
    }
    return ReadHead();
}

bool CRawData::OpenDataFile(platform::BinaryFile file) {
    if (!StartOn(file.Path())) {
        return false;
    }
    file_ = std::move(file);
    try {
        file_.Seek(0, platform::BinaryFile::Origin::Begin);
    } catch (const CPSTFileException& error) {
        FileFailed(error);
        return false;
    }
    return ReadHead();
}

bool CRawData::ReadHead() {
    // The parts are read into copies and replace the model's only when all of them were read.
    CFileHeader header = *header_;
    if (!header.Read(file_, SinkReport())) {
        ShowFileMessage(IDS_DATA_FILE_UNREADABLE);
        Abort();
        return false;
    }
    const std::uint16_t kind = header.GetKind();
    if (kind != CFileHeader::kKindRawDownload && kind != CFileHeader::kKindDataFile) {
        ShowFileMessage(IDS_DATA_FILE_UNREADABLE);
        Abort();
        return false;
    }
    const int version = header.GetVersion();
    if (version > kFormatVersion) {
        messages_->ShowMessage(kNewerVersionMessage);
        Abort();
        return false;
    }
    CDataInfo info = *info_;
    CSetupTable setup = *setup_;
    if (!info.Read(&file_, *messages_) ||
        !setup.Read(file_, version, false, version >= kFirstVersionWithExtendedData, true, SinkReport())) {
        ShowFileMessage(IDS_DATA_FILE_UNREADABLE);
        Abort();
        return false;
    }
    *header_ = header;
    *info_ = info;
    *setup_ = setup;
    data_offset_ = static_cast<std::int64_t>(file_.Position());
    record_count_ = ClampedCount(info_->GetRecordCount());
    record_size_ = setup_->GetDataRecordSize();
    return true;
}

bool CRawData::CreateDataFile(const std::filesystem::path& path, std::uint16_t fileKind) {
    if (!StartOn(path)) {
        return false;
    }
    try {
        temp_ = platform::TempFileBeside(path);
        file_.Open(temp_.Path(), platform::BinaryFile::Mode::Create);
    } catch (const CPSTFileException& error) {
        FileFailed(error);
        return false;
    }
    return WriteHead(fileKind);
}

bool CRawData::CreateDataFile(platform::BinaryFile file, std::uint16_t fileKind) {
    if (!StartOn(file.Path())) {
        return false;
    }
    file_ = std::move(file);
    return WriteHead(fileKind);
}

bool CRawData::WriteHead(std::uint16_t fileKind) {
    header_->SetKind(fileKind);
    header_->SetVersion(kFormatVersion);
    header_->SetLastRecordStamp(0);
    if (!header_->Write(file_, SinkReport()) || !info_->Write(&file_, *messages_) ||
        !setup_->Write(file_, false, true, SinkReport())) {
        Abort();
        return false;
    }
    data_offset_ = static_cast<std::int64_t>(file_.Position());
    record_count_ = 0;
    record_size_ = setup_->GetDataRecordSize();
    return true;
}

bool CRawData::InitRecordAccess(bool checkTimes) {
    if (!file_.IsOpen() || data_offset_ < 0) {
        return false;
    }
    record_count_ = ClampedCount(info_->GetRecordCount());
    if (record_count_ >= 1) {
        if (!BuildFieldList()) {
            return false;
        }
        CheckRecordCountAgainstLength();
    }
    if (record_count_ < 1) {
        messages_->ShowMessage(LoadText(IDS_DATA_FILE_NO_RECORDS));
        return false;
    }
    if (checkTimes && record_count_ >= 2 && !CheckRecordTimes()) {
        return false;
    }
    return ReadRecord(0);
}

void CRawData::CheckRecordCountAgainstLength() {
    std::uint64_t length = 0;
    try {
        length = file_.Length();
    } catch (const CPSTFileException& error) {
        messages_->ReportFileException(error);
        record_count_ = 0;
        return;
    }
    const std::uint64_t bytes = length > static_cast<std::uint64_t>(data_offset_) ? length - data_offset_ : 0;
    const std::uint64_t whole = bytes / static_cast<std::uint64_t>(record_size_);
    if (whole < static_cast<std::uint64_t>(record_count_)) {
        messages_->ShowMessage(platform::FormatLoadedText(
            IDS_DATA_FILE_TRUNCATED,
            {platform::PathToWindows1252(path_), std::to_string(whole), std::to_string(record_count_)}));
        record_count_ = static_cast<int>(whole);
    }
}

bool CRawData::CheckRecordTimes(const std::function<bool()>& keepGoing) {
    const long interval = setup_->GetIntervalSeconds();
    if (interval <= 0) {
        return true;  // an interval code outside the table: nothing to compare with
    }
    long missing = 0;
    int gaps = 0;
    int shortIntervals = 0;
    bool havePrevious = false;
    std::time_t previous = 0;
    // How many records are read between two questions to `keepGoing`.
    constexpr int kRecordsPerQuestion = 65536;
    for (int index = 0; index < record_count_; ++index) {
        if (!ReadRecord(index) || (keepGoing && index % kRecordsPerQuestion == 0 && !keepGoing())) {
            return false;
        }
        std::time_t time = 0;
        if (!GetRecordTime(time)) {
            havePrevious = false;
            continue;
        }
        if (havePrevious) {
            const long difference = static_cast<long>(time - previous);
            if (difference < interval) {
                ++shortIntervals;
            } else if (difference > interval) {
                ++gaps;
                missing += difference / interval - 1;
            }
        }
        previous = time;
        havePrevious = true;
    }
    std::string message;
    if (missing > 0) {
        message = platform::FormatLoadedText(
            IDS_MISSING_RECORDS, {std::to_string(static_cast<int>(missing)), missing == 1 ? "" : "s",
                                  std::to_string(gaps), gaps == 1 ? "" : "s"});
    }
    if (shortIntervals > 0) {
        if (!message.empty()) {
            message += "\n";
        }
        message += platform::FormatLoadedText(
            IDS_SHORT_INTERVALS, {std::to_string(shortIntervals), shortIntervals == 1 ? "" : "s"});
    }
    if (!message.empty()) {
        messages_->ShowMessage(message);
    }
    return true;
}

bool CRawData::ReadAt(std::uint64_t position, std::span<std::uint8_t> buffer) {
    try {
        file_.Seek(static_cast<std::int64_t>(position), platform::BinaryFile::Origin::Begin);
        file_.ReadExact(buffer);
    } catch (const CPSTFileException& error) {
        messages_->ReportFileException(error);
        return false;
    }
    return true;
}

bool CRawData::ReadRecord(int index) {
    if (index < 0 || index >= record_count_ || record_size_ <= 0 || data_offset_ < 0) {
        return false;
    }
    if (index == current_record_) {
        return true;
    }
    const auto size = static_cast<std::size_t>(record_size_);
    if (index < cache_first_ || index >= cache_first_ + cache_count_) {
        const int count = std::min(std::max(1, kCacheBytes / record_size_), record_count_ - index);
        cache_.resize(static_cast<std::size_t>(count) * size);
        cache_first_ = -1;
        cache_count_ = 0;
        if (!ReadAt(static_cast<std::uint64_t>(data_offset_) + static_cast<std::uint64_t>(index) * size,
                    cache_)) {
            return false;
        }
        cache_first_ = index;
        cache_count_ = count;
    }
    const auto start = cache_.begin() + static_cast<std::ptrdiff_t>((index - cache_first_) * size);
    record_.assign(start, start + static_cast<std::ptrdiff_t>(size));
    current_record_ = index;
    return true;
}

const CRawDataField* CRawData::GetField(int index) const {
    if (index < 0 || index >= GetFieldCount()) {
        return nullptr;
    }
    return &fields_[static_cast<std::size_t>(index)];
}

bool CRawData::WriteRecords(std::span<const std::uint8_t> records) {
    if (!temp_.IsActive() || record_size_ <= 0 ||
        records.size() % static_cast<std::size_t>(record_size_) != 0) {
        return false;
    }
    cache_first_ = -1;
    cache_count_ = 0;
    current_record_ = -1;
    try {
        file_.Write(records);
    } catch (const CPSTFileException& error) {
        FileFailed(error);
        return false;
    }
    return true;
}

bool CRawData::RewriteHeader() {
    if (!temp_.IsActive()) {
        return false;
    }
    try {
        const std::uint64_t position = file_.Position();
        file_.Seek(0, platform::BinaryFile::Origin::Begin);
        if (!header_->Write(file_, SinkReport()) || !info_->Write(&file_, *messages_)) {
            Abort();
            return false;
        }
        file_.Seek(static_cast<std::int64_t>(position), platform::BinaryFile::Origin::Begin);
    } catch (const CPSTFileException& error) {
        FileFailed(error);
        return false;
    }
    return true;
}

void CRawData::ForgetRecords() {
    day_cache_ = LocalDayCache();
    record_count_ = 0;
    data_offset_ = -1;
    current_record_ = -1;
    cache_first_ = -1;
    cache_count_ = 0;
}

bool CRawData::CloseDataFile() {
    fields_.clear();
    record_.clear();
    cache_.clear();
    ForgetRecords();
    if (!file_.IsOpen()) {
        return !given_up_;
    }
    if (!temp_.IsActive()) {
        file_ = platform::BinaryFile();
        return true;
    }
    try {
        file_.Flush(true);
        file_.Close();
        temp_.ReplaceTarget();
    } catch (const CPSTFileException& error) {
        FileFailed(error);
        return false;
    }
    return true;
}

void CRawData::Abort() {
    file_ = platform::BinaryFile();
    if (temp_.IsActive()) {
        temp_.Remove();
        given_up_ = true;
    }
    ForgetRecords();
}
