// CCsvExport: writes a data file as CSV text: the header section with the main settings and channel
// descriptions, the title lines, and one line per record.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "shared/datafile/csv_output.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/record_bytes.h"

class CCsvExport {
public:
    // Results of ExportCSV.
    enum Result {
        kWritten = 0,
        kCannotCreate = 1,
        kNoRecords = 2,
        kFieldListFailed = 3,
        kNoMemory = 4,
        kHeaderFailed = 5,
        kFileError = 6,   // a file error while reading records, or a truncated data file
        kRowsFailed = 7,  // the record lines could not be written (a full disk, for one)
    };

    // The title lines of the value columns: one caption, title and label cell for each.
    struct TitleLines {
        std::string captions;
        std::string titles;
        std::string labels;
    };

    // `data` has just been opened (CRawData::OpenDataFile); progress texts go to `progress` when set.
    CCsvExport(CRawData& data, CRawData::ProgressSink progress);

    // Writes the CSV file at `csvPath`: the header section when `headerSection`, the caption and title
    // lines, the label line when `labelLine`, the records. The file takes its name only when complete,
    // except that a data file without records gives an empty CSV file where there was none, and leaves
    // an existing one as it was.
    int ExportCSV(const std::filesystem::path& csvPath, bool headerSection, bool labelLine);

    // Everything before the record lines; false without a setup table or information record.
    bool WriteCSVHeader(bool headerSection, bool labelLine);
    // The description lines of the channels of models from 13 on.
    void WriteCSVChannelLines();
    void BuildCSVColumnTitles(TitleLines& lines) const;
    // The cells of one logged quantity of channel `channel` (from 1): form A titles the plain value of
    // bit 8 "<unit> hours", form B "<word> <unit>"; the pulse form has a word per bit.
    void AddQuantityColumnsA(TitleLines& lines, int channel, std::uint8_t options,
                             const std::string& unit) const;
    void AddQuantityColumnsB(TitleLines& lines, int channel, std::uint8_t options,
                             const std::string& unit) const;
    void AddPulseColumns(TitleLines& lines, int channel, std::uint8_t options) const;
    // The lines of a block of whole records; `recordNumber` counts them from 1. A large block is shared
    // among a few threads.
    bool WriteCSVRows(std::span<const std::uint8_t> records, long& recordNumber);

private:
    // The text of the last date written: records of one day share it.
    struct DateText {
        void Append(std::string& line, const RecordDate& recordDate);
        RecordDate date{-1, -1, -1};
        std::string text;
    };

    void AddQuantityColumns(TitleLines& lines, int channel, std::uint8_t options, const std::string& unit,
                            bool formA) const;
    void AddColumn(TitleLines& lines, int channel, const std::string& title) const;
    // The lines of `records`, the first numbered `recordNumber`, with each field's decimals.
    void AppendRows(std::string& line, std::span<const std::uint8_t> records, long recordNumber,
                    const std::vector<int>& decimals, DateText& dates) const;
    void ShowProgress(long recordNumber) const;

    CRawData& data_;
    CRawData::ProgressSink progress_;
    CsvOutput output_;
    long record_count_ = 0;
    DateText dates_;
};
