// The application's side of the load profiles and the analysis values: the table or graph of the data
// grid's selection in a new load-profile window, and the analysis values of the selected channel.
#pragma once

class CLoadProfileViewBase;
class CRawDataView;

namespace platform {
class DocTemplate;
}

// Opens the template's load-profile window on the grid's selection: one channel over two records or
// more. The graph's refusals name themselves ("KIVO Error #100" to "#106"); the table's are silent
// but for the selection's. Null when nothing opened.
CLoadProfileViewBase* OpenLoadProfile(platform::DocTemplate* profileTemplate, CRawDataView* grid, bool graph);
// The analysis values of kind 1-5 of the grid's selected channel in their window; false when nothing
// is selected (the user has been told).
bool ShowAnalysisValues(CRawDataView& grid, int kind);
