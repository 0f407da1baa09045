// BuildDataErrorReport: the text of the data-error report, judged by the records' own time stamps.
#include "kivo32/analysis/data_error_report.h"

#include <cmath>
#include <cstdint>

#include "kivo32/analysis/analysis_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"

namespace {

const char* Plural(long long count) {
    return count == 1 ? "" : "s";
}

}  // namespace

bool BuildDataErrorReport(const CRawDataGrid& cells, const std::string& title, long intervalSeconds,
                          std::string& report, GridWalkProgress& progress) {
    report.clear();
    if (intervalSeconds <= 0) {
        return false;
    }
    report = platform::StringPrintf("%s: %s\n\n", LoadText(IDS_REPORT_FILE_LABEL).c_str(), title.c_str());
    long long missing = 0;
    long gaps = 0;
    long shortIntervals = 0;
    bool havePrevious = false;
    std::int64_t previous = 0;
    const long rows = cells.GetRowCount();
    for (long row = 1; row <= rows; ++row) {
        if (!progress.ReportRow(row, 1, rows)) {
            return false;
        }
        const std::optional<double> stamp = cells.GetRowTime(static_cast<int>(row));
        if (!stamp) {
            havePrevious = false;
            continue;
        }
        const std::int64_t seconds = std::llround(*stamp * 86400.0);
        auto entry = [&](unsigned id) {
            report += platform::FormatLoadedText(id, {cells.GetCellText(static_cast<int>(row), 1),
                                                      cells.GetCellText(static_cast<int>(row), 2)});
        };
        const long second = static_cast<long>(((seconds % 60) + 60) % 60);
        if (intervalSeconds > 1 && second != 0) {
            if (intervalSeconds >= 60) {
                entry(IDS_REPORT_NOT_ON_MINUTE);
            } else if (second % intervalSeconds >= 2) {
                entry(IDS_REPORT_NOT_ON_INTERVAL);
            }
        }
        if (havePrevious) {
            const std::int64_t difference = seconds - previous;
            if (difference < intervalSeconds) {
                ++shortIntervals;
                entry(IDS_REPORT_SHORT_INTERVAL);
            } else if (difference > intervalSeconds) {
                ++gaps;
                missing += difference / intervalSeconds - 1;
                entry(IDS_REPORT_GAP);
            }
        }
        previous = seconds;
        havePrevious = true;
    }
    if (gaps == 0 && shortIntervals == 0) {
        report += LoadText(IDS_REPORT_NO_ERRORS);
        return true;
    }
    report += "\n";
    if (gaps > 0) {
        report += platform::FormatLoadedText(
            IDS_REPORT_GAP_SUMMARY,
            {std::to_string(missing), Plural(missing), std::to_string(gaps), Plural(gaps)});
    }
    if (shortIntervals > 0) {
        report += platform::FormatLoadedText(IDS_REPORT_SHORT_SUMMARY,
                                             {std::to_string(shortIntervals), Plural(shortIntervals)});
    }
    return true;
}
