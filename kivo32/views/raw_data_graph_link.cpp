// CRawDataGraphLink: the data grid view as the graph dialogs see it.
#include "kivo32/views/raw_data_graph_link.h"

#include <QMdiArea>

#include "kivo32/views/raw_data_view.h"
#include "kivo32/views/views_ids.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/main_frame.h"

long CRawDataGraphLink::GetRowCount() const {
    return view_.GetRowCount();
}

int CRawDataGraphLink::GetColCount() const {
    return view_.GetColCount();
}

bool CRawDataGraphLink::IsColumnPlottable(int column) const {
    return view_.IsColumnPlottable(column);
}

std::string CRawDataGraphLink::GetColumnHeading(int column) const {
    std::string cell;
    std::string title;
    std::string unit;
    view_.GetColumnHeading(column, cell, title, unit);
    return cell;
}

std::vector<int> CRawDataGraphLink::GetSelectedCols() const {
    return view_.GetSelectedColumns();
}

bool CRawDataGraphLink::GetSelectedRows(long& first, long& last) const {
    first = 0;
    last = 0;
    for (const platform::GridRange& range : view_.Grid().Selection().Ranges()) {
        if (range.wholeColumns) {
            continue;
        }
        first = first == 0 ? range.top : std::min<long>(first, range.top);
        last = std::max<long>(last, range.bottom);
    }
    return first > 0;
}

void CRawDataGraphLink::ClearSelection() {
    view_.Grid().Selection().Clear();
    view_.Grid().SelectionChanged();
}

void CRawDataGraphLink::SelectColumns(const std::vector<int>& columns) {
    for (const int column : columns) {
        view_.Grid().Selection().Select(platform::GridRange::Columns(column, column));
    }
    view_.DeselectUnplottableColumns();
}

void CRawDataGraphLink::SelectRecordRange(const std::vector<int>& columns, long from, long to) {
    view_.ApplyRangeDialogSelection(columns, false, from, to);
}

void CRawDataGraphLink::SetRangeDialogMode(int mode) {
    view_.SetRangeDialogMode(mode);
}

void CRawDataGraphLink::ClearColumnYAxes() {
    view_.ClearColumnYAxes();
}

void CRawDataGraphLink::SetColumnYAxis(int channel, int axis) {
    view_.SetColumnYAxis(channel, axis);
}

void CRawDataGraphLink::ApplyRangeDialogSelection(const std::vector<int>& columns, bool allRecords, long from,
                                                  long to) {
    view_.ApplyRangeDialogSelection(columns, allRecords, from, to);
}

void CRawDataGraphLink::ActivateFrame() {
    platform::ChildFrame* frame = view_.ParentFrame();
    if (frame != nullptr && frame->mdiArea() != nullptr) {
        frame->mdiArea()->setActiveSubWindow(frame);
    }
}

void CRawDataGraphLink::RequestGraph() {
    if (auto* main = dynamic_cast<platform::MainFrame*>(view_.window())) {
        main->Target()->PostMessage(platform::Message{WM_SHOW_DATA_GRAPH});
    }
}

void CRawDataGraphLink::RangeDialogClosed() {
    view_.RangeDialogClosed();
}
