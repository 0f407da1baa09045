// What the graph dialogs need of the data grid whose selection they choose: its columns and records,
// its selection, the Y axes of the chosen channels, and the request for the graph.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class CGraphDialogGrid {
public:
    virtual ~CGraphDialogGrid() = default;

    virtual long GetRowCount() const = 0;
    virtual int GetColCount() const = 0;
    // Whether the column's field can be graphed (not the date and time columns).
    virtual bool IsColumnPlottable(int column) const = 0;
    // The field's name; it may hold line breaks.
    virtual std::string GetColumnHeading(int column) const = 0;

    virtual std::vector<int> GetSelectedCols() const = 0;
    // The first and last selected rows; false when no row is selected.
    virtual bool GetSelectedRows(long& first, long& last) const = 0;
    virtual void ClearSelection() = 0;
    // Selects these whole columns, then leaves out the columns that cannot be graphed.
    virtual void SelectColumns(const std::vector<int>& columns) = 0;
    // Selects rows from .. to of these columns.
    virtual void SelectRecordRange(const std::vector<int>& columns, long from, long to) = 0;
    // The grid's selection mode (0xF3 while the range dialog is open, 0x0A after) and its range-dialog
    // mode (2 while open, 1 once the dialog is gone).
    virtual void EnableSelection(unsigned mode) = 0;
    virtual void SetRangeDialogMode(int mode) = 0;

    // The Y axis (0-2) of the i-th chosen channel.
    virtual void ClearColumnYAxes() = 0;
    virtual void SetColumnYAxis(int channel, int axis) = 0;

    // The range dialog's choice becomes the grid's selection.
    virtual void ApplyRangeDialogSelection(const std::vector<int>& columns, bool allRecords, long from, long to) = 0;
    // The grid's window comes to the front; then the main frame is asked for the graph.
    virtual void ActivateFrame() = 0;
    virtual void RequestGraph() = 0;
    // The range dialog is gone: the grid forgets it and the application's flag clears.
    virtual void RangeDialogClosed() = 0;

    // A text file naming the channels to choose at the start, one a line ("//" comments); empty for none.
    virtual std::filesystem::path ChannelListPath() const = 0;
};
