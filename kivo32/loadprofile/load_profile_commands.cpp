// The application's side of the load profiles and the analysis values.
#include "kivo32/loadprofile/load_profile_commands.h"

#include <QPointer>

#include "kivo32/loadprofile/analysis_value_dlg.h"
#include "kivo32/loadprofile/load_profile_child_frame.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "kivo32/loadprofile/load_profile_view_base.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_view.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/doc_template.h"
#include "shared/common/message_box.h"

namespace {

// The graph's own refusals, by their number.
CLoadProfileViewBase* GraphError(bool graph, int number) {
    if (graph) {
        ShowMessageBox("KIVO Error #" + std::to_string(number), MB_OK | MB_ICONEXCLAMATION, true);
    }
    return nullptr;
}

}  // namespace

CLoadProfileViewBase* OpenLoadProfile(platform::DocTemplate* profileTemplate, CRawDataView* grid,
                                      bool graph) {
    if (grid == nullptr) {
        return GraphError(graph, 100);
    }
    GridBlock block;
    if (!grid->GetSelectedRange(block, false)) {
        ShowMessageBoxId(IDS_LP_SELECT_RECORDS, MB_OK | MB_ICONEXCLAMATION, true);
        return nullptr;
    }
    if (block.top == 0) {
        block.bottom = static_cast<unsigned long>(grid->GetRowCount());
    }
    if (block.FirstRow() >= block.bottom) {
        ShowMessageBoxId(IDS_LP_SELECT_RECORDS, MB_OK | MB_ICONEXCLAMATION, true);
        return nullptr;
    }
    if (block.left != block.right || !grid->Cells().IsValueColumn(static_cast<int>(block.left))) {
        ShowMessageBoxId(IDS_LP_ONE_CHANNEL, MB_OK | MB_ICONEXCLAMATION, true);
        return nullptr;
    }
    platform::Document* viewed = grid->View::GetDocument();
    if (viewed == nullptr) {
        return GraphError(graph, 103);
    }
    auto* document = dynamic_cast<CRawDataDoc*>(viewed);
    if (document == nullptr) {
        return GraphError(graph, 104);
    }
    if (profileTemplate == nullptr) {
        return GraphError(graph, 105);
    }
    CParametersForView& parameters = document->LoadProfileParameters();
    parameters.m_nViewKind = graph ? ID_LOAD_PROFILE_GRAPH : ID_LOAD_PROFILE_TABLE;
    parameters.m_nTopRow = block.FirstRow();
    parameters.m_nLeftColumn = block.left;
    parameters.m_nBottomRow = block.bottom;
    parameters.m_nRightColumn = block.right;
    QPointer<platform::ChildFrame> frame = profileTemplate->CreateNewFrame(document);
    auto* profileFrame = dynamic_cast<CLoadProfileChildFrame*>(frame.data());
    if (profileFrame == nullptr) {
        return GraphError(graph, 106);
    }
    profileFrame->SetDataGrid(grid);
    QPointer<CLoadProfileViewBase> view = profileFrame->ProfileView();
    profileTemplate->InitialUpdateFrame(frame, document);
    return view;
}

bool ShowAnalysisValues(CRawDataView& grid, int kind) {
    AnalysisValueRecord record;
    const CRawDataDoc* document = grid.GetDocument();
    if (document == nullptr || !grid.BuildAnalysisValues(kind, true, record)) {
        return false;
    }
    CAnalysisValueDlg dialog(document->GetOriginalPath());
    dialog.SetAnalysisValues(record);
    dialog.exec();
    return true;
}
