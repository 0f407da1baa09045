// RunGridWalk: a long walk over a data file's rows on a worker thread, with its own reader of the file,
// while a modal progress window shows how far it got.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "kivo32/analysis/grid_walk_progress.h"
#include "kivo32/analysis/raw_data_grid.h"

class QWidget;

// The walk's own reader of the data file that `grid` shows, so that the grid keeps painting from its
// model meanwhile; null when the file cannot be opened again. The reader keeps its messages to itself.
class GridWalkReader {
public:
    explicit GridWalkReader(const CRawData& shown);
    ~GridWalkReader();
    GridWalkReader(const GridWalkReader&) = delete;
    GridWalkReader& operator=(const GridWalkReader&) = delete;

    bool IsOpen() const { return open_; }
    const CRawDataGrid& Cells() const { return cells_; }

private:
    class Quiet;
    std::unique_ptr<Quiet> quiet_;
    CRawData data_;
    CRawDataGrid cells_{data_};
    bool open_ = false;
};

// Runs `work` on a worker thread and waits for it in a local event loop behind a modal progress
// window titled `label` (its Cancel stops the walk), so no window or document can close under the
// walk. The result is work's; false as well when the user stopped it.
bool RunGridWalk(QWidget* parent, const std::string& label, const std::function<bool(GridWalkProgress&)>& work);
