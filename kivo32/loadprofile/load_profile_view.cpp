// CLoadProfileView: the load profile as a table, and its CSV export.
#include "kivo32/loadprofile/load_profile_view.h"

#include "kivo32/analysis/attribute_lines.h"
#include "kivo32/analysis/load_profile_table.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "kivo32/views/raw_data_doc.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/application.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/command_state.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"

namespace {

constexpr int kValueColumnWidth = 180;
constexpr int kTimeColumnWidth = 100;

}  // namespace

CLoadProfileView::CLoadProfileView() : CLoadProfileViewBase(ID_LOAD_PROFILE_TABLE) {
    grid_ = new platform::GridView(*this, *this, this);
    SetContent(grid_);
}

CLoadProfileView* CLoadProfileView::GetActiveLoadProfileView() {
    return dynamic_cast<CLoadProfileView*>(platform::GetActiveView());
}

int CLoadProfileView::GetRowCount() const {
    return Profile().GetBucketCount();
}

int CLoadProfileView::GetColCount() const {
    return Profile().GetBucketCount() > 0 ? LoadProfileTableColumns(Profile()) : 0;
}

bool CLoadProfileView::GetCell(int row, int column, platform::GridCell& cell) const {
    const int columns = GetColCount();
    if (column < 1 || column > columns || row < 0 || row > GetRowCount()) {
        return false;
    }
    const bool dayColumn = columns == 4 && column == 1;
    if (row == 0) {
        const unsigned heads[] = {IDS_LP_DAY, IDS_LP_START, IDS_LP_END};
        const int field = columns == 4 ? column : column + 1;
        cell.text = field <= 3 ? LoadText(heads[field - 1]) : ColumnTitle();
        cell.align = platform::GridCell::Align::Center;
        return true;
    }
    cell.text = LoadProfileCellText(Profile(), row - 1, column);
    cell.align = dayColumn ? platform::GridCell::Align::Center : platform::GridCell::Align::Right;
    return true;
}

void CLoadProfileView::ShowProfile() {
    grid_->Reload();
    // A daily table has a column fewer than a weekly one: every column takes its width again.
    for (int column = 1; column <= GetColCount(); ++column) {
        grid_->SetColumnWidth(column, column == GetColCount() ? kValueColumnWidth : kTimeColumnWidth);
    }
}

bool CLoadProfileView::OnCommand(unsigned id) {
    if (id == ID_LOAD_PROFILE_EXPORT_CSV) {
        OnExportCsv();
        return true;
    }
    return View::OnCommand(id);
}

bool CLoadProfileView::OnUpdateCommand(platform::CommandState& state) {
    if (state.id == ID_LOAD_PROFILE_EXPORT_CSV) {
        state.Enable(GetRowCount() > 0);
        return true;
    }
    return View::OnUpdateCommand(state);
}

void CLoadProfileView::OnExportCsv() {
    CRawDataDoc* document = GetDocument();
    if (document == nullptr || GetRowCount() == 0) {
        return;
    }
    std::filesystem::path proposed = document->GetOriginalPath();
    proposed.replace_extension(".csv");
    platform::FileNameRequest request;
    request.open = false;
    request.title = LoadText(IDS_LP_SAVE_TITLE);
    request.filters = {{LoadText(IDS_LP_CSV_FILES) + " (*.csv)", {"*.csv"}},
                       {LoadText(IDS_LP_ALL_FILES) + " (*.*)", {"*"}}};
    request.initialFolder = proposed.parent_path();
    request.fileName = proposed.filename();
    request.defaultExtension = "csv";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (const std::optional<std::filesystem::path> chosen =
            platform::CurrentUiBroker().PromptFileName(request)) {
        ExportCsv(*chosen);
    }
}

bool CLoadProfileView::ExportCsv(const std::filesystem::path& path) {
    const std::string shownPath = platform::Utf8ToWindows1252(path.string());
    const CrLfTextFileSave saved = SaveCrLfTextFile(path, LoadProfileCsvText(Profile()));
    const bool done = saved == CrLfTextFileSave::Saved;
    const unsigned id = done                                    ? IDS_LP_EXPORTED
                        : saved == CrLfTextFileSave::NotCreated ? IDS_LP_FILE_IN_USE
                                                                : IDS_LP_EXPORT_FAILED;
    CMessageBoxTexts box;
    box.prompt = platform::FormatLoadedText(id, {shownPath});
    box.type = MB_OK | (done ? MB_ICONINFORMATION : MB_ICONEXCLAMATION);
    box.caption = LoadText(IDS_LP_EXPORT_CAPTION);
    ShowMessageBox(box);
    return done;
}
