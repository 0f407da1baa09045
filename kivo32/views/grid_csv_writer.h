// WriteGridCsv: grid rows as CSV text, the cells exactly as the grid shows them.
#pragma once

#include <vector>

#include "kivo32/analysis/grid_walk_progress.h"
#include "kivo32/analysis/raw_data_grid.h"
#include "shared/datafile/csv_output.h"

// Writes a title line ("Record" and each column's title) and a unit line ("Number" and each column's
// unit), both quoted, split as CRawDataGrid::SplitHeading splits the headers; then
// rows first..last, each the record number and the cells of `columns`, separated by commas, unquoted. Lines end in CR LF.
// The header lines name exactly the columns the rows hold. False when stopped; file errors throw
// CPSTFileException.
bool WriteGridCsv(const CRawDataGrid& cells, long firstRow, long lastRow, const std::vector<int>& columns,
                  CsvOutput& output, GridWalkProgress& progress);
