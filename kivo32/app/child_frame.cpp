// The frame of the data views.
#include "kivo32/app/child_frame.h"

#include <QCloseEvent>

#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_view.h"
#include "platform/base/window_messages.h"
#include "platform/ui/ui_ids.h"

void CChildFrame::closeEvent(QCloseEvent* event) {
    auto* grid = dynamic_cast<CRawDataView*>(ActiveView());
    CRawDataDoc* document = grid != nullptr ? grid->GetDocument() : nullptr;
    if (document == nullptr || document->GetRawData().GetRecordCount() == 0) {
        platform::ChildFrame::closeEvent(event);
        return;
    }
    event->ignore();
    if (document->IsExtractedData()) {
        Target()->PostMessage(platform::Message(WM_COMMAND, ID_FILE_CLOSE));
    } else {
        showMinimized();
    }
}
