// The one pass of a data graph's load through a data file's records: each record's date and time as a
// serial date, and the values of the graphed columns summarised in min/max pyramids.
#pragma once

#include <vector>

#include "kivo32/analysis/grid_walk_progress.h"
#include "kivo32/analysis/raw_data_grid.h"
#include "platform/ui/graph/graph_data.h"

// The value that marks a gap in a graph: an empty cell, a value that is no number.
inline constexpr float kGraphNullValue = -9999.0f;

// Grid rows firstRow..lastRow of the value columns `columns` (grid columns, one per subset).
struct GraphLoadRequest {
    int firstRow = 1;
    int lastRow = 0;
    std::vector<int> columns;
};

struct GraphLoadResult {
    // X: the serial date of each point; one pyramid per requested column, in the request's order.
    platform::GraphData data;
    // Records left out because their date and time make no serial date.
    long undatedRecords = 0;
    // Records earlier than the record before them (a damaged file, unwritten logger memory): the points
    // are put in time order, so that the time axis rises.
    long outOfOrderRecords = 0;
};

// The graph's year of a record's two-digit year byte: below 70 is 20yy, else 19yy.
int GraphCalendarYear(int yearByte);

// Reads every requested row once, in order. False when a record cannot be read, a column is not a
// value column, or `progress` was stopped.
bool LoadGraphValues(const CRawDataGrid& cells, const GraphLoadRequest& request, GraphLoadResult& result,
                     GridWalkProgress& progress);
