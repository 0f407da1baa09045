// CCsvImport: reads a CSV file of a data file back: the setup table from its header section and title
// lines, the information record from its time span, and every record line as a binary record. Reads the
// full form (header section, "#DATA" marker, three title lines) and the short form (two title lines at
// the top of the file).
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shared/setup/option_letters.h"
#include "shared/setup/raw_data_field.h"
#include "shared/setup/setup_codes.h"

class CDataInfo;
class CMessageSink;
class CRawData;
class CSetupTable;
class CsvLineReader;

// The earliest place in `text` where a channel word of the caption walk begins; npos when none does.
std::size_t FindChannelKeyword(std::string_view text);

class CCsvImport {
public:
    // What a channel description line of the header section says of one channel slot (0-3 hardware,
    // 4-5 software, 6-9 analog).
    struct ChannelDescription {
        std::uint8_t type = kChannelOff;
        // Power channels.
        char vHi = 'A';
        char vLo = 'A';
        float ptRatio = 1.0f;
        float ctSize = 100.0f;
        bool hasTransformer = false;  // the third cell with the CT type and phase shift was there
        std::uint16_t ctType = 0;
        float phaseShift = 1.1f;
        // Software channels.
        ChannelFlags hardwareFlags{};
        // Analog channels.
        float lowSensor = 0.0f;
        float lowOutput = 0.0f;
        float highSensor = 0.0f;
        float highOutput = 0.0f;
        std::string units;
    };
    using ChannelDescriptions = std::array<ChannelDescription, kMaxChannelSlots>;

    // The channel types that the title line shows, and the temperature units, by channel number - 1.
    struct ChannelTypes {
        std::array<std::uint8_t, kMaxChannelSlots> types{};
        std::array<std::uint16_t, kMaxChannelSlots> temperatureUnits{};
    };

    // One value column: the channel its caption names (0 when none) and its title.
    struct Column {
        int channel = 0;
        std::string title;
    };

    // `name` names the CSV file in messages.
    CCsvImport(CsvLineReader& csv, std::string name, CMessageSink& messages);

    // Positions the file before its first title line (`keepTitles`) or its first record line.
    bool SkipToData(bool keepTitles);

    // What the file holds, each read from the start of the file.
    // The logging interval that the record times show: the smallest step forward between the first
    // record lines, so that a gap or a repeated time among them does not decide it.
    bool ScanIntervalSeconds(long& seconds);
    // The number of cells of the first title line.
    bool ScanTitleCellCount(int& count);
    // The label line's channel names into the setup table's channels.
    bool ScanChannelLabels(CSetupTable& setup);
    // The settings line of the header section into the setup header and the information record.
    bool ParseCSVHeaderValues(CSetupTable& setup, CDataInfo& info);
    // The channel types that the value columns show; `result` holds the types known before.
    void ScanChannelTypes(const std::vector<Column>& columns, ChannelTypes& result) const;
    // The channel description lines of the header section.
    bool ParseCSVChannelLines(ChannelDescriptions& descriptions);
    // The caption and title lines as value columns.
    bool ReadColumns(std::vector<Column>& columns);

    // The file ends in a record line that was cut short (no line end, or fewer cells than the title
    // line), which the record scans leave out; known once a scan has reached the end.
    bool EndsEarly() const { return ends_early_; }
    // The settings line named the logging interval (known after ParseCSVHeaderValues).
    bool HeaderGaveInterval() const { return header_interval_; }

    // Times of the first and last record lines, with their calendar years, and the number of record
    // lines (those that start with a digit, without a cut last line), in one pass over the file.
    bool GetCSVTimeSpan(std::time_t& first, int& firstYear, std::time_t& last, int& lastYear, long& count);
    // The date and time of a record line; the position after the time, or nullptr.
    static const char* ParseCSVDateTime(const char* line, std::time_t& time, int& year);

    // Rebuilds the setup table (and the texts of the information record) from the header section and
    // the title lines.
    bool SetupChannelsFromCSV(CSetupTable& setup, CDataInfo& info);
    // The recording-option bit of a title cell; 0 for a title of no value.
    static std::uint8_t TitleToSelectionBit(std::string_view title);
    // The options of channel `channel` (from 1) made of the columns whose title carries `word` (any
    // title when `word` is empty).
    static std::uint8_t FindColumnsForChannel(const std::vector<Column>& columns, int channel,
                                              std::string_view word);

    // Writes every record line as a record of `target`, which was created from this file's setup table
    // and information record (whose record count says how many lines to take).
    bool ImportCSVRecords(CRawData& target);
    // One record line into one record of `fields`; false when its date or time cannot be read. The
    // date is read in `dateOrder` (0-5), by default the application's.
    static bool LineToRecord(std::span<std::uint8_t> record, std::string_view line,
                             const std::vector<CRawDataField>& fields);
    static bool LineToRecord(std::span<std::uint8_t> record, std::string_view line,
                             const std::vector<CRawDataField>& fields, int dateOrder);

private:
    // Shows text `id` formatted with the file's name.
    void ShowNameMessage(unsigned id) const;
    // Rewinds; false after telling the user when the file cannot be read.
    bool Rewind();
    // Reads the next line; false at the end of the file or on a read error (the user has been told).
    // The view holds until the next read.
    bool ReadLine(std::string_view& line);
    bool ReadLine(std::string& line);
    // Reads the next record line, passing over other lines; false at the end of the file, on a read
    // error, and at a cut last line (which sets ends_early_).
    bool ReadRecordLine(std::string_view& line);
    // A record line that the file ends with although its line end or some of its cells are missing.
    bool IsCutLastLine(std::string_view line);

    CsvLineReader& csv_;
    std::string name_;
    CMessageSink& messages_;
    bool short_form_ = false;
    // Cells of the first title line, which every whole record line has too (0 while unknown).
    std::size_t title_cells_ = 0;
    bool ends_early_ = false;
    bool header_interval_ = false;
};

// The conversion that the application's worker runs: the CSV file at `csvPath` into a new data file at
// `dataPath`, telling the user of failures through `messages`.
bool ConvertCSVToDataFile(const std::filesystem::path& csvPath, const std::filesystem::path& dataPath,
                          CMessageSink& messages);
