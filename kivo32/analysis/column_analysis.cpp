// AnalyseColumn: the analysis values of one value column over a run of grid rows.
#include "kivo32/analysis/column_analysis.h"

#include <cmath>
#include <limits>

#include "platform/base/number_text.h"

namespace {

// Puts `value` of `row` in the ranked list at the first place that `before` says it goes ahead of;
// the entries from there move down one and the last drops out. `filled` counts the places in use.
template <typename Before>
void Rank(std::array<ColumnAnalysis::Entry, ColumnAnalysis::kRanked>& list, int& filled, double value,
          const CDataGridRows& rows, long row, Before before) {
    int place = 0;
    while (place < filled && !before(value, list[static_cast<std::size_t>(place)].value)) {
        ++place;
    }
    if (place >= ColumnAnalysis::kRanked) {
        return;
    }
    for (int i = std::min(filled, ColumnAnalysis::kRanked - 1); i > place; --i) {
        list[static_cast<std::size_t>(i)] = std::move(list[static_cast<std::size_t>(i - 1)]);
    }
    list[static_cast<std::size_t>(place)] = {value, rows.GetCellText(static_cast<int>(row), 1),
                                             rows.GetCellText(static_cast<int>(row), 2)};
    filled = std::min(filled + 1, ColumnAnalysis::kRanked);
}

}  // namespace

bool AnalyseColumn(const CDataGridRows& rows, int column, long firstRow, long lastRow, ColumnAnalysis& result,
                   GridWalkProgress& progress) {
    result = {};
    int highestFilled = 0;
    int lowestFilled = 0;
    for (long row = firstRow; row <= lastRow; ++row) {
        if (!progress.ReportRow(row, firstRow, lastRow)) {
            return false;
        }
        const std::string text = rows.GetCellText(static_cast<int>(row), column);
        double value = 0.0;
        if (row == firstRow) {
            result.decimals = CountDecimals(text);
        }
        if (text.empty() || !ParseDouble(text, value)) {
            continue;
        }
        ++result.count;
        result.total += value;
        Rank(result.highest, highestFilled, value, rows, row, [](double v, double held) { return v > held; });
        Rank(result.lowest, lowestFilled, value, rows, row, [](double v, double held) { return v < held; });
    }
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    result.average = result.count > 0 ? result.total / static_cast<double>(result.count) : notANumber;
    result.peakToAverage = result.count > 0 ? result.highest[0].value / result.average : notANumber;
    return true;
}
