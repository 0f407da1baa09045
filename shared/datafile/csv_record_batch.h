// CsvRecordBatch: record lines of a CSV file gathered in a batch and converted into records by a few
// threads at once, so that an import of millions of lines is not held up by one core.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shared/setup/raw_data_field.h"

class CsvRecordBatch {
public:
    // Lines kept before the batch is converted.
    static constexpr std::size_t kLines = 32768;

    void Add(std::string_view line);
    std::size_t LineCount() const { return starts_.size() - 1; }
    bool IsFull() const { return LineCount() >= kLines; }
    void Clear();

    // Converts the lines into `records` (LineCount() records of `fields`, the dates in `dateOrder`);
    // false when a line's date or time cannot be read.
    bool Convert(std::span<std::uint8_t> records, const std::vector<CRawDataField>& fields,
                 int dateOrder) const;

private:
    // Lines `first` to `last` (not included) into their records.
    bool ConvertLines(std::span<std::uint8_t> records, const std::vector<CRawDataField>& fields,
                      int dateOrder, std::size_t first, std::size_t last) const;

    std::string text_;
    // Where each line starts in text_, and after the last one where it ends.
    std::vector<std::size_t> starts_{0};
};
