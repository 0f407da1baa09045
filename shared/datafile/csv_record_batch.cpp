// CsvRecordBatch: record lines converted into records by a few threads at once.
#include "shared/datafile/csv_record_batch.h"

#include <algorithm>
#include <system_error>
#include <thread>

#include "shared/datafile/csv_import.h"

namespace {

// More threads gain little: reading the file and writing the records stay on one.
constexpr unsigned kMostThreads = 4;
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
    const std::size_t lines = LineCount();
    const std::size_t threads = std::clamp<std::size_t>(
        std::min<std::size_t>(std::thread::hardware_concurrency(), lines / kLeastLinesPerThread), 1, kMostThreads);
    const std::size_t share = (lines + threads - 1) / threads;
    // Each helper converts its own share into its own records; this thread takes the first share.
    std::vector<std::thread> helpers;
    std::vector<char> converted(threads, 1);
    for (std::size_t part = 1; part < threads; ++part) {
        const std::size_t first = std::min(lines, part * share);
        const std::size_t last = std::min(lines, first + share);
        try {
            helpers.emplace_back([&, part, first, last] {
                converted[part] = ConvertLines(records, fields, dateOrder, first, last) ? 1 : 0;
            });
        } catch (const std::system_error&) {
            converted[part] = ConvertLines(records, fields, dateOrder, first, last) ? 1 : 0;
        }
    }
    converted[0] = ConvertLines(records, fields, dateOrder, 0, std::min(lines, share)) ? 1 : 0;
    for (std::thread& helper : helpers) {
        helper.join();
    }
    return std::all_of(converted.begin(), converted.end(), [](char ok) { return ok != 0; });
}
