// BuildChannelStatistics: one line per logged value of a data file's grid with its average, maximum
// and minimum (each with its record's date and time) and, for totals, the sum; after each of the first
// four channels an estimate of its harmonic distortion from the channel's averages.
#pragma once

#include <string>

#include "kivo32/analysis/grid_walk_progress.h"
#include "kivo32/analysis/raw_data_grid.h"

// Reads every row once. Empty cells are no values: they take no part in any figure. Lines end in
// CR LF. False when stopped.
bool BuildChannelStatistics(const CRawDataGrid& cells, std::string& text, GridWalkProgress& progress);
