// CRawDataGraphLink: the data grid view as the graph dialogs see it, so that a range dialog opened on
// the grid mirrors its choice into the grid's selection and takes the user's selection back.
#pragma once

#include "kivo32/views/graph_dialog_grid.h"

class CRawDataView;

class CRawDataGraphLink : public CGraphDialogGrid {
public:
    explicit CRawDataGraphLink(CRawDataView& view) : view_(view) {}

    long GetRowCount() const override;
    int GetColCount() const override;
    bool IsColumnPlottable(int column) const override;
    std::string GetColumnHeading(int column) const override;

    std::vector<int> GetSelectedCols() const override;
    // The rows of the cell blocks; whole columns alone select no rows, so the dialog keeps all records.
    bool GetSelectedRows(long& first, long& last) const override;
    void ClearSelection() override;
    void SelectColumns(const std::vector<int>& columns) override;
    void SelectRecordRange(const std::vector<int>& columns, long from, long to) override;
    // Our grid has a single way of selecting; what the open dialog changes is told by the range-dialog
    // mode.
    void EnableSelection(unsigned) override {}
    void SetRangeDialogMode(int mode) override;

    void ClearColumnYAxes() override;
    void SetColumnYAxis(int channel, int axis) override;

    void ApplyRangeDialogSelection(const std::vector<int>& columns, bool allRecords, long from, long to) override;
    void ActivateFrame() override;
    // Posts WM_SHOW_DATA_GRAPH to the main frame around the grid.
    void RequestGraph() override;
    void RangeDialogClosed() override;

    // The program names no channel list file, so the dialog starts with nothing chosen.
    std::filesystem::path ChannelListPath() const override { return {}; }

private:
    CRawDataView& view_;
};
