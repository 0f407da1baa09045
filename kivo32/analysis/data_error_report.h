// BuildDataErrorReport: the text of the data-error report: records off the logging interval, records
// too close together, and gaps, judged by the records' own time stamps.
#pragma once

#include <string>

#include "kivo32/analysis/grid_walk_progress.h"
#include "kivo32/analysis/raw_data_grid.h"

// Entries name each irregular record by its date and time cells. Gaps count d / interval - 1 missing
// records, d measured on the logged wall-clock times, so a change to or from summer time is no gap.
// Lines end in "\n". False when stopped, or for an interval of 0 (nothing can be judged then).
bool BuildDataErrorReport(const CRawDataGrid& cells, const std::string& title, long intervalSeconds,
                          std::string& report, GridWalkProgress& progress);
