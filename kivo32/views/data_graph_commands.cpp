// The application's side of the data graph: opening the graph of a grid's selection, rebuilding graphs.
#include "kivo32/views/data_graph_commands.h"

#include <QPointer>

#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_graph_view.h"
#include "kivo32/views/raw_data_view.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/window_messages.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "shared/common/message_box.h"

CRawDataGraphView* ShowDataGraph(platform::DocTemplate& graphTemplate, CRawDataView* grid) {
    CRawDataDoc* document = grid != nullptr ? grid->GetDocument() : nullptr;
    QPointer<platform::ChildFrame> frame;
    QPointer<CRawDataGraphView> view;
    if (document != nullptr) {
        frame = graphTemplate.CreateNewFrame(document);
        view = dynamic_cast<CRawDataGraphView*>(frame->ActiveView());
        graphTemplate.InitialUpdateFrame(frame, document);
    }
    // The load waits in an event loop, where the new window or its document may have closed.
    const bool open = frame != nullptr && !frame->IsClosing();
    if (open && view != nullptr && view->IsGraphBuilt() && view->GetDocument() != nullptr) {
        return view;
    }
    if (open) {
        frame->Target()->PostMessage(platform::Message{WM_CLOSE});
    }
    ShowMessageBoxId(IDP_GRAPH_NOT_MADE, MB_OK | MB_ICONEXCLAMATION, true);
    return nullptr;
}

CRawDataGraphView* GraphSelectedData(platform::DocTemplate& graphTemplate, CRawDataView& grid) {
    GridBlock block;
    if (!grid.GetSelectedRange(block, false) || block.FirstRow() >= block.bottom) {
        ShowMessageBoxId(IDP_NO_RECORDS_SELECTED, MB_OK | MB_ICONEXCLAMATION, true);
        return nullptr;
    }
    if (block.left != block.right) {
        ShowMessageBoxId(IDS_ONE_COLUMN_ONLY, MB_OK | MB_ICONEXCLAMATION, true);
        return nullptr;
    }
    if (grid.GetDocument() == nullptr) {
        return nullptr;
    }
    // The graph of one column is on the first axis, whatever the graph dialogs chose last.
    grid.SetColumnYAxis(0, 0);
    grid.SetColumnYAxis(1, 0);
    return ShowDataGraph(graphTemplate, &grid);
}

void RebuildDataGraphs(const platform::DocManager& documents) {
    // A graph's document is a data document, which the data grid's template keeps.
    for (const platform::DocTemplate* docTemplate : documents.Templates()) {
        for (platform::Document* document : docTemplate->Documents()) {
            for (platform::View* view : document->Views()) {
                if (auto* graph = dynamic_cast<CRawDataGraphView*>(view)) {
                    graph->SetupGraph();
                }
            }
        }
    }
}
