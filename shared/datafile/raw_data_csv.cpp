// CRawData: its CSV form, written by CCsvExport.
#include "shared/datafile/csv_export.h"
#include "shared/datafile/raw_data.h"

int CRawData::ExportCSV(const std::filesystem::path& csvPath, const ProgressSink& progress,
                        bool headerSection, bool labelLine) {
    return CCsvExport(*this, progress).ExportCSV(csvPath, headerSection, labelLine);
}
