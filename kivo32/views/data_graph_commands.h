// The application's side of the data graph: what its commands and its main frame call to open the
// graph of a grid's selection, and to rebuild the open graphs after the graph options changed.
#pragma once

class CRawDataGraphView;
class CRawDataView;

namespace platform {
class DocManager;
class DocTemplate;
}  // namespace platform

// Command 32874 (and the grid's 32873) on the active grid: the graph of its one selected column. Refused
// with message 12480 without a selection of two records or more (whole columns take every record), with
// 12482 for more than one column. Null when no graph was made.
CRawDataGraphView* GraphSelectedData(platform::DocTemplate& graphTemplate, CRawDataView& grid);
// WM_APP+0xD8 of the main frame, with the active grid (null when the active view is none): the graph of
// its selection as the graph dialogs left it. Null, after message 12424, when no graph was made.
CRawDataGraphView* ShowDataGraph(platform::DocTemplate& graphTemplate, CRawDataView* grid);
// After the graph options changed the attributes: every open data graph is refreshed.
void RebuildDataGraphs(const platform::DocManager& documents);
