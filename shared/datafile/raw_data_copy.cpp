// CRawData: copying records between data files and finishing a file after its records.
#include "shared/datafile/raw_data.h"

#include <algorithm>
#include <vector>

#include "shared/datafile/data_info.h"
#include "shared/setup/setup_table.h"

namespace {

// Records are copied in blocks of whole records of about this size.
constexpr std::size_t kCopyBytes = 64 * 1024;

}  // namespace

bool CRawData::FinishRecords(CRawData& source, int recordCount, int recordSize) {
    if (!temp_.IsActive() || source.setup_ == nullptr) {
        return false;
    }
    if (!source.setup_->Write(file_, false, true, SinkReport())) {
        Abort();
        return false;
    }
    info_->SetRecordCount(static_cast<std::uint32_t>(recordCount));
    record_count_ = recordCount;
    record_size_ = recordSize;
    return RewriteHeader();
}

bool CRawData::CopyRecords(CRawData& source, int first, int last) {
    if (setup_ == nullptr || source.setup_ == nullptr) {
        return false;
    }
    const int size = setup_->GetDataRecordSize();
    if (size != source.setup_->GetDataRecordSize()) {
        return false;
    }
    if (last == -1) {
        last = source.record_count_;
    }
    if (first < 1 || last < first || last > source.record_count_) {
        return false;
    }
    const int count = last - first + 1;
    return CopyRecordRange(source, first - 1, count) && FinishRecords(source, count, size);
}

bool CRawData::AppendRecords(CRawData& source) {
    if (setup_ == nullptr || source.setup_ == nullptr ||
        setup_->GetDataRecordSize() != source.setup_->GetDataRecordSize()) {
        return false;
    }
    return CopyRecordRange(source, 0, source.record_count_);
}

bool CRawData::CopyRecordRange(CRawData& source, int firstIndex, int count) {
    const int size = setup_->GetDataRecordSize();
    if (size <= 0 || source.data_offset_ < 0 || !temp_.IsActive()) {
        return false;
    }
    const int recordsPerBlock =
        std::max<int>(1, static_cast<int>(kCopyBytes / static_cast<std::size_t>(size)));
    std::vector<std::uint8_t> block;
    for (int done = 0; done < count;) {
        const int records = std::min(recordsPerBlock, count - done);
        block.resize(static_cast<std::size_t>(records) * static_cast<std::size_t>(size));
        const std::uint64_t position =
            static_cast<std::uint64_t>(source.data_offset_) +
            static_cast<std::uint64_t>(firstIndex + done) * static_cast<std::uint64_t>(size);
        if (!source.ReadAt(position, block) || !WriteRecords(block)) {
            return false;
        }
        done += records;
    }
    return true;
}

bool CRawData::CopyBlock(CRawData& source, std::uint64_t position, std::uint64_t length) {
    if (!temp_.IsActive() || !source.file_.IsOpen()) {
        return false;
    }
    std::vector<std::uint8_t> block;
    try {
        source.file_.Seek(static_cast<std::int64_t>(position), platform::BinaryFile::Origin::Begin);
        for (std::uint64_t done = 0; done < length;) {
            block.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kCopyBytes, length - done)));
            source.file_.ReadExact(block);
            done += block.size();
            try {
                file_.Write(block);
            } catch (const CPSTFileException&) {
                Abort();
                return false;
            }
        }
    } catch (const CPSTFileException&) {
        return false;
    }
    return true;
}
