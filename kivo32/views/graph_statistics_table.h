// The tables of a data graph: the statistics beside the plot (each subset's label, and its average,
// minimum and maximum over the points in view) and the cursor read-out above it.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/graph/graph_settings.h"
#include "platform/ui/graph/min_max_pyramid.h"

struct GraphSubsetStatistics {
    std::string label;
    platform::GraphColor color = 0xFF000000;
    platform::SampleSummary summary;
};

// One subset: its heading and, with the analysis values, "Average: 1.00" and so on. Several: a heading,
// then "----- <label>" in the subset's colour, each followed by its values on one row with the analysis
// values.
platform::GraphTable MakeStatisticsTable(const std::vector<GraphSubsetStatistics>& subsets,
                                         bool analysisValues);

// The read-out of one point: its number (from 1), the subset's label when the graph has several, the
// record's date and time, the value.
std::string FormatCursorReadout(int pointNumber, const std::string& label, bool severalSubsets,
                                const std::string& date, const std::string& time, float value);
