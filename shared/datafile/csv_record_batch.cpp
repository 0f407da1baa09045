// CsvRecordBatch: record lines converted into records by a few threads at once.
#include "shared/datafile/csv_record_batch.h"

#include <algorithm>

#include "shared/datafile/csv_import.h"
#include "shared/datafile/parallel_parts.h"

namespace {

// A share smaller than this is not worth a thread.
constexpr std::size_t kLeastLinesPerThread = 1024;

}  // namespace

void CsvRecordBatch::Add(std::string_view line) {
    text_.append(line);
    starts_.push_back(text_.size());
}

void CsvRecordBatch::Clear() {
    text_.clear();
    starts_.assign(1, 0);
}

bool CsvRecordBatch::ConvertLines(std::span<std::uint8_t> records, const std::vector<CRawDataField>& fields,
                                  int dateOrder, std::size_t first, std::size_t last) const {
    const std::size_t size = records.size() / std::max<std::size_t>(1, LineCount());
    for (std::size_t index = first; index < last; ++index) {
        const std::string_view line =
            std::string_view(text_).substr(starts_[index], starts_[index + 1] - starts_[index]);
        if (!CCsvImport::LineToRecord(records.subspan(index * size, size), line, fields, dateOrder)) {
            return false;
        }
    }
    return true;
}

bool CsvRecordBatch::Convert(std::span<std::uint8_t> records, const std::vector<CRawDataField>& fields,
                             int dateOrder) const {
    return RunInParts(LineCount(), kLeastLinesPerThread,
                      [&](std::size_t, std::size_t first, std::size_t last) {
                          return ConvertLines(records, fields, dateOrder, first, last);
                      });
}
