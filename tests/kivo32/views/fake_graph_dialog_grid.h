// A graph dialogs' grid for tests: columns 1 and 2 are the date and the time, the others channels, and
// every request the dialogs make is recorded.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "kivo32/views/graph_dialog_grid.h"

namespace testsupport {

// Columns 1 and 2 are the date and the time; the others are channels "Ch\n<n>".
class FakeGrid : public CGraphDialogGrid {
public:
    FakeGrid(long rows, int columns) : rows_(rows), columns_(columns) {}

    long GetRowCount() const override { return rows_; }
    int GetColCount() const override { return columns_; }
    bool IsColumnPlottable(int column) const override { return column > 2; }
    std::string GetColumnHeading(int column) const override { return "Ch\n" + std::to_string(column); }
    std::vector<int> GetSelectedCols() const override { return selectedColumns; }
    bool GetSelectedRows(long& first, long& last) const override {
        first = selectedRows.first;
        last = selectedRows.second;
        return first > 0;
    }
    void ClearSelection() override {
        ++clears;
        selectedColumns.clear();
        selectedRows = {0, 0};
    }
    void SelectColumns(const std::vector<int>& columns) override { selectedColumns = columns; }
    void SelectRecordRange(const std::vector<int>&, long from, long to) override {
        selectedRows = {from, to};
    }
    void EnableSelection(unsigned mode) override { selectionModes.push_back(mode); }
    void SetRangeDialogMode(int mode) override { rangeDialogModes.push_back(mode); }
    void ClearColumnYAxes() override { axes.clear(); }
    void SetColumnYAxis(int channel, int axis) override {
        axes.resize(std::max<std::size_t>(axes.size(), static_cast<std::size_t>(channel) + 1), -1);
        axes[static_cast<std::size_t>(channel)] = axis;
    }
    void ApplyRangeDialogSelection(const std::vector<int>& columns, bool allRecords, long from,
                                   long to) override {
        applied = true;
        appliedColumns = columns;
        appliedAllRecords = allRecords;
        selectedRows = {from, to};
    }
    void ActivateFrame() override { activated = true; }
    void RequestGraph() override { graphRequested = true; }
    void RangeDialogClosed() override { dialogClosed = true; }
    std::filesystem::path ChannelListPath() const override { return channelList; }

    std::vector<int> selectedColumns;
    std::pair<long, long> selectedRows{0, 0};
    int clears = 0;
    std::vector<unsigned> selectionModes;
    std::vector<int> rangeDialogModes;
    std::vector<int> axes;
    bool applied = false;
    std::vector<int> appliedColumns;
    bool appliedAllRecords = false;
    bool activated = false;
    bool graphRequested = false;
    bool dialogClosed = false;
    std::filesystem::path channelList;

private:
    long rows_;
    int columns_;
};

}  // namespace testsupport
