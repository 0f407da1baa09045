// The application's side of the data grid: extraction, reopen and Save As of the active grid's document.
#include "kivo32/views/data_grid_commands.h"

#include "kivo32/views/dialog_extract_data_by_date.h"
#include "kivo32/views/dialog_extract_data_by_record.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_view.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/string_format.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"
#include "platform/base/program_texts.h"

CRawDataDoc* ExtractDataRange(CRawDataView& view, long first, long last) {
    CRawDataDoc* document = view.GetDocument();
    if (document == nullptr) {
        return nullptr;
    }
    if (document->IsExtractedData()) {
        CMessageBoxTexts box;
        box.prompt = LoadText(IDS_EXTRACT_OF_EXTRACT);
        box.type = MB_OK | MB_ICONEXCLAMATION;
        box.caption = platform::StringPrintf("KIVO - %s", document->Title().c_str());
        ShowMessageBox(box);
        return nullptr;
    }
    return document->SaveRecordRange(static_cast<int>(first), static_cast<int>(last), false, false);
}

CRawDataDoc* ExtractDataByDate(CRawDataView& view) {
    std::optional<double> first;
    std::optional<double> last;
    view.GetDataDateRange(first, last);
    CDialogExtractDataByDate dialog(first, last, &view);
    if (dialog.DoModal() != IDOK) {
        return nullptr;
    }
    long firstRecord = 0;
    long lastRecord = 0;
    view.FindRecordRange(*dialog.GetFrom(), *dialog.GetTo(), firstRecord, lastRecord);
    // A start and an end inside one gap of the records find the record after it first and the one
    // before it last.
    if (lastRecord < firstRecord) {
        ShowMessageBoxId(IDS_EXTRACT_NO_RECORDS_IN_RANGE, MB_OK | MB_ICONEXCLAMATION, true);
        return nullptr;
    }
    return ExtractDataRange(view, firstRecord, lastRecord);
}

CRawDataDoc* ExtractDataByRecord(CRawDataView& view) {
    CDialogExtractDataByRecord dialog(view.GetRowCount(), &view);
    if (dialog.DoModal() != IDOK) {
        return nullptr;
    }
    return ExtractDataRange(view, dialog.GetFromRecord(), dialog.GetToRecord());
}

CRawDataDoc* ReopenActiveDataDocument(CRawDataView& view) {
    CRawDataDoc* document = view.GetDocument();
    platform::DocTemplate* grids = document != nullptr ? document->Template() : nullptr;
    if (grids == nullptr || document->PathName().empty()) {
        return nullptr;
    }
    const std::filesystem::path path = document->PathName();
    document->OnCloseDocument();
    return static_cast<CRawDataDoc*>(grids->OpenDocumentFile(path));
}

bool SaveActiveDataDocumentAs(CRawDataView& view) {
    CRawDataDoc* document = view.GetDocument();
    return document != nullptr && document->SaveAs();
}
