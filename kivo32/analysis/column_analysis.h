// AnalyseColumn: the analysis values of one value column over a run of grid rows: count, total,
// average, the five highest and five lowest values with their rows' dates and times.
#pragma once

#include <array>
#include <string>

#include "kivo32/analysis/grid_walk_progress.h"
#include "shared/datafile/data_grid_rows.h"

struct ColumnAnalysis {
    static constexpr int kRanked = 5;

    struct Entry {
        double value = 0.0;
        std::string date;
        std::string time;
    };

    // The values counted: empty cells are no values and are skipped.
    long count = 0;
    double total = 0.0;
    // total / count and highest / average; not a number without values.
    double average = 0.0;
    double peakToAverage = 0.0;
    // The most digits after the '.' among the values of the first row.
    int decimals = 0;
    // Highest first and lowest first; places not filled keep 0.0 and empty texts. Of equal values the
    // earlier row keeps its place.
    std::array<Entry, kRanked> highest{};
    std::array<Entry, kRanked> lowest{};
};

// Rows first..last of grid column `column` (dates in column 1, times in column 2). False when stopped.
bool AnalyseColumn(const CDataGridRows& rows, int column, long firstRow, long lastRow, ColumnAnalysis& result,
                   GridWalkProgress& progress);
