// The conversion of a CSV file into a data file that the application's worker runs.
#include <string>

#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "shared/datafile/csv_import.h"
#include "shared/datafile/csv_line_reader.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/datafile_ids.h"
#include "shared/datafile/message_sink.h"
#include "shared/datafile/raw_data.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr long kOneMinute = 60;

}  // namespace

bool ConvertCSVToDataFile(const std::filesystem::path& csvPath, const std::filesystem::path& dataPath,
                          CMessageSink& messages) {
    CsvLineReader csv;
    CPSTFileException error;
    if (!csv.Open(csvPath, error)) {
        messages.ReportFileException(error);
        return false;
    }
    const std::string name = platform::PathToWindows1252(csvPath.filename());
    CCsvImport import(csv, name, messages);
    CDataInfo info;
    CSetupTable setup;

    long records = 0;
    std::time_t first = 0;
    std::time_t last = 0;
    int firstYear = 0;
    int lastYear = 0;
    if (!import.GetCSVTimeSpan(first, firstYear, last, lastYear, records)) {
        return false;
    }
    info.SetRecordCount(static_cast<std::uint32_t>(records));
    info.SetFirstLoggerTime(static_cast<std::uint32_t>(first));
    info.SetSecondLoggerTime(static_cast<std::uint32_t>(last));
    info.SetTypeText(LoadText(IDS_CSV_MODEL_TEXT));
    setup.GetHeader().SetSetupTime(static_cast<std::uint32_t>(first));
    if (!import.SetupChannelsFromCSV(setup, info)) {
        return false;
    }
    // The header's interval holds; only a file without one takes it from its record times.
    if (!import.HeaderGaveInterval()) {
        long seconds = 0;
        if (!import.ScanIntervalSeconds(seconds)) {
            return false;
        }
        const int code = SecondsToIntervalCode(seconds);
        if (code == 0 && seconds != kOneMinute) {
            messages.ShowMessage(platform::FormatLoadedText(IDS_CSV_NO_INTERVAL, {name, std::to_string(seconds)}));
            return false;
        }
        setup.GetHeader().SetIntervalCode(static_cast<std::uint8_t>(code));
    }
    // Set last: the settings line holds an ID text of its own, and the marker is what tells later
    // downloads that this file came from CSV.
    info.SetIdText(kConvertedMarker);

    CRawData target;
    target.SetMessageSink(messages);
    if (!target.Initialize(&info, &setup) || !target.CreateDataFile(dataPath, CFileHeader::kKindDataFile) ||
        !import.ImportCSVRecords(target) || !target.CloseDataFile()) {
        return false;
    }
    if (import.EndsEarly()) {
        messages.ShowMessage(platform::FormatLoadedText(IDS_CSV_ENDS_EARLY, {name, std::to_string(records)}));
    }
    return true;
}
