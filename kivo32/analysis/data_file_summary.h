// BuildDataFileSummary: the text of a data file's summary report: model, time span, energy summary,
// channel statistics, the setup's channels and settings, and the file's own texts.
#pragma once

#include <string>

#include "kivo32/analysis/grid_walk_progress.h"
#include "kivo32/analysis/raw_data_grid.h"

// `title` is the document's title. Lines end in "\n" (the statistics' own in CR LF). False when
// stopped.
bool BuildDataFileSummary(const CRawDataGrid& cells, const std::string& title, std::string& text,
                          GridWalkProgress& progress);
