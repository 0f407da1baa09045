// CRawDataView: the grid view of a data-file document, its cell supply, selection rules and look-ups.
#include "kivo32/views/raw_data_view.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QMenu>
#include <QPointer>
#include <QVBoxLayout>
#include <cmath>

#include "kivo32/views/data_grid_commands.h"
#include "kivo32/views/graph_sel_range_dlg.h"
#include "kivo32/views/grid_print_profile.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_graph_link.h"
#include "kivo32/views/view_toolbar.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/application.h"
#include "platform/ui/command_state.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"

namespace {

// The range-dialog mode while the dialog is open.
constexpr int kRangeDialogOpen = 2;

// The widths of the date and time columns in characters; other columns fit their header.
constexpr int kDateTimeChars = 11;
constexpr int kHeaderLines = 3;

struct MenuCommand {
    unsigned id;
    unsigned textId;
    // Carried by the view itself; the others are the program's, on and off by its rules as in the main
    // menu (greyed while nobody carries them).
    bool viewCommand;
};

// The context menu of the grid.
constexpr MenuCommand kContextCommands[] = {
    {ID_ANALYSIS_VALUES_1, IDS_MENU_ANALYSIS_1, false},
    {ID_ANALYSIS_VALUES_2, IDS_MENU_ANALYSIS_2, false},
    {ID_ANALYSIS_VALUES_3, IDS_MENU_ANALYSIS_3, false},
    {ID_ANALYSIS_VALUES_4, IDS_MENU_ANALYSIS_4, false},
    {ID_ANALYSIS_VALUES_5, IDS_MENU_ANALYSIS_5, false},
    {0, 0, false},
    {ID_GRAPH_SELECTED_DATA, IDS_MENU_GRAPH, false},
    {ID_LOAD_PROFILE_SELECTED, IDS_MENU_LOAD_PROFILE, false},
    {ID_LOAD_PROFILE_GRAPH_SELECTED, IDS_MENU_LOAD_PROFILE_GRAPH, false},
    {0, 0, false},
    {ID_EXTRACT_SELECTED_RANGE, IDS_MENU_EXTRACT_SELECTION, true},
    {ID_GRID_SAVE_AS, IDS_MENU_SAVE_AS, true},
};

}  // namespace

CRawDataView::CRawDataView() : graph_link_(std::make_unique<CRawDataGraphLink>(*this)) {
    LoadGridPrintProfile(print_properties_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

CRawDataView::~CRawDataView() {
    // The dialog hands the grid its normal selection back while the grid is still whole.
    if (range_dialog_ != nullptr) {
        range_dialog_->OnCancel();
    }
}

QSize CRawDataView::sizeHint() const {
    constexpr QSize kWindowSize(900, 560);
    return kWindowSize;
}

CRawDataDoc* CRawDataView::GetDocument() const {
    return dynamic_cast<CRawDataDoc*>(View::GetDocument());
}

void CRawDataView::OnInitialUpdate() {
    cells_ = std::make_unique<CRawDataGrid>(GetDocument()->GetRawData());
    grid_ = new platform::GridView(*this, *this, this);
    layout()->addWidget(grid_);
    // Fixed row heights, and widths from the header and the formats, never from the rows.
    const QFontMetrics metrics(grid_->font());
    grid_->SetHeaderHeight(kHeaderLines * metrics.height() + 8);
    const int dateTimeWidth = metrics.horizontalAdvance(QString(kDateTimeChars, QChar('0')));
    for (int column = 1; column <= GetColCount(); ++column) {
        const CRawDataField* field = GetColumnField(column);
        int width = dateTimeWidth;
        if (field != nullptr && field->valueColumn) {
            for (const QString& line : platform::ToQString(field->name).split('\n')) {
                width = std::max(width, metrics.horizontalAdvance(line) + 12);
            }
        }
        grid_->SetColumnWidth(column, width);
    }
    grid_->SetColumnWidth(
        0, metrics.horizontalAdvance(QString::number(std::max(GetRowCount(), 1)) + "00"));
    grid_->SetFrozenColumns(2);
    View::OnInitialUpdate();
}

void CRawDataView::OnActivateView(bool active) {
    View::OnActivateView(active);
    const CRawDataDoc* document = GetDocument();
    const bool temporary = document != nullptr && document->IsTemporaryFile();
    ShowViewToolBar(temporary ? kTemporaryDataToolBar : kDataGridToolBar, active);
}

void CRawDataView::OnUpdate(platform::View* sender, long hint) {
    if (grid_ != nullptr) {
        grid_->Reload();
    }
    View::OnUpdate(sender, hint);
}

bool CRawDataView::OnCommand(unsigned id) {
    switch (id) {
        case ID_EXTRACT_SELECTED_RANGE:
            OnExtractSelectedRange();
            return true;
        case ID_GRID_SAVE_AS:
            OnFileSaveAs();
            return true;
        case ID_REOPEN_DATA_DOCUMENT:
            ReopenActiveDataDocument(*this);
            return true;
        case ID_SAVE_DATA_DOCUMENT_AS:
            SaveActiveDataDocumentAs(*this);
            return true;
        case ID_FILE_PAGE_SETUP:
            OnFilePageSetup();
            return true;
        default:
            break;
    }
    return View::OnCommand(id);
}

int CRawDataView::GetRowCount() const {
    return cells_ ? cells_->GetRowCount() : 0;
}

int CRawDataView::GetColCount() const {
    return cells_ ? cells_->GetColCount() : 0;
}

std::string CRawDataView::GetCellText(int row, int column) const {
    return cells_ ? cells_->GetCellText(row, column) : std::string();
}

bool CRawDataView::GetCell(int row, int column, platform::GridCell& cell) const {
    if (!cells_ || !cells_->ReadCellText(row, column, cell.text)) {
        return false;
    }
    cell.wrap = row == 0;
    cell.align =
        row == 0 || column == 0 ? platform::GridCell::Align::Center : platform::GridCell::Align::Right;
    cell.grey = row > 0 && column > 0 && !cells_->IsValueColumn(column);
    return true;
}

const CRawDataField* CRawDataView::GetColumnField(int column) const {
    return cells_ ? cells_->GetColumnField(column) : nullptr;
}

long CRawDataView::GetColumnFieldIndex(int column) const {
    return cells_ ? cells_->GetColumnFieldIndex(column) : -1;
}

int CRawDataView::GetColumnValueKind(int column) const {
    const CRawDataField* field = GetColumnField(column);
    return field != nullptr ? field->valueKind : -1;
}

bool CRawDataView::OnStartSelection(int row, int column, unsigned flags) {
    if (column == 0) {
        return row != 0 && (flags & platform::kGridFlagControl) != 0 &&
               !grid_->Selection().WholeColumns().empty();
    }
    return cells_->IsValueColumn(column);
}

bool CRawDataView::GetSelectedRange(GridBlock& block, bool beepIfNone) {
    last_range_ = {};
    const platform::GridSelection& selection = grid_->Selection();
    if (!selection.IsEmpty()) {
        const platform::GridRange& first = selection.Ranges().front();
        last_range_ = {static_cast<unsigned long>(first.top), static_cast<unsigned long>(first.left),
                       static_cast<unsigned long>(first.bottom), static_cast<unsigned long>(first.right)};
        for (const platform::GridRange& range : selection.Ranges()) {
            last_range_.right = std::max(last_range_.right, static_cast<unsigned long>(range.right));
        }
    }
    if (last_range_.top == 0 && last_range_.bottom == 0) {
        const std::vector<int> columns = selection.WholeColumns();
        if (columns.empty()) {
            if (beepIfNone) {
                QApplication::beep();
            }
            last_range_ = {};
            block = {};
            return false;
        }
        last_range_.left = static_cast<unsigned long>(columns.front());
        last_range_.right = static_cast<unsigned long>(columns.back());
        last_range_.bottom = static_cast<unsigned long>(GetRowCount());
    }
    block = last_range_;
    return true;
}

std::vector<int> CRawDataView::GetSelectedColumns() const {
    std::vector<int> columns;
    const auto& ranges = grid_->Selection().Ranges();
    for (int column = 1; column <= GetColCount(); ++column) {
        const bool selected = std::any_of(
            ranges.begin(), ranges.end(),
            [column](const platform::GridRange& r) { return column >= r.left && column <= r.right; });
        if (selected) {
            columns.push_back(column);
        }
    }
    return columns;
}

void CRawDataView::StoreSelectedRange() {
    GridBlock block;
    stored_ = {};
    if (!GetSelectedRange(block, false)) {
        return;
    }
    stored_ = block;
    stored_.top = stored_.FirstRow();
}

void CRawDataView::Select(const platform::GridRange& range) {
    grid_->Selection().Select(range);
    grid_->SelectionChanged();
}

void CRawDataView::Deselect(const platform::GridRange& range) {
    grid_->Selection().Deselect(range);
    grid_->SelectionChanged();
}

platform::GridRange CRawDataView::WholeRow(int row) const {
    return platform::GridRange::Cells(row, 1, row, GetColCount());
}

bool CRawDataView::OnLButtonClickedRowCol(int row, int /*column*/, unsigned flags) {
    if ((flags & platform::kGridFlagControl) == 0 || row < 1) {
        return true;
    }
    const unsigned long clicked = static_cast<unsigned long>(row);
    GridBlock& block = stored_;
    auto blockRange = [&block] {
        return platform::GridRange::Cells(static_cast<int>(block.top), static_cast<int>(block.left),
                                          static_cast<int>(block.bottom), static_cast<int>(block.right));
    };
    if (block.top == 0 && block.bottom == 0) {
        Deselect(WholeRow(row));
        return false;
    }
    if (clicked == block.top || clicked == block.bottom) {
        if (block.top == block.bottom) {
            Deselect(blockRange());
            block = {};
            return true;
        }
        if (clicked == block.top) {
            ++block.top;
        } else {
            --block.bottom;
        }
        Select(blockRange());
        Deselect(WholeRow(row));
        return true;
    }
    if (block.top > 1 && clicked == block.top - 1) {
        block.top = clicked;
        Select(blockRange());
        return true;
    }
    if (block.bottom < static_cast<unsigned long>(GetRowCount()) && clicked == block.bottom + 1) {
        block.bottom = clicked;
        Select(blockRange());
        return true;
    }
    Deselect(WholeRow(row));
    Select(blockRange());
    return true;
}

void CRawDataView::OnLButtonUp(unsigned flags) {
    int currentRow = 0;
    int currentColumn = 0;
    const bool haveCurrent = grid_->GetCurrentCell(currentRow, currentColumn);
    if ((flags & platform::kGridFlagShift) != 0 && anchor_row_ > 0) {
        GridBlock block;
        if (!GetSelectedRange(block, false)) {
            return;
        }
        int targetRow = currentRow;
        int targetColumn = currentColumn;
        const bool singleCell = block.top == block.bottom && block.left == block.right;
        if (!singleCell) {
            const int top = static_cast<int>(block.FirstRow());
            const int left = static_cast<int>(block.left);
            if (top != anchor_row_ || left != anchor_column_) {
                grid_->Selection().Deselect(
                    platform::GridRange::Cells(anchor_row_, anchor_column_, top, left));
                anchor_row_ = top;
                anchor_column_ = left;
            }
            targetRow = static_cast<int>(block.bottom);
            targetColumn = static_cast<int>(block.right);
        }
        if (targetRow != anchor_row_ || targetColumn != anchor_column_) {
            grid_->Selection().Select(
                platform::GridRange::Cells(anchor_row_, anchor_column_, targetRow, targetColumn));
        }
        grid_->SelectionChanged();
        return;
    }
    if (flags != 0) {
        return;
    }
    StoreSelectedRange();
    // A click that selected one cell or none makes the current cell the anchor of Shift+click; the
    // anchor is only ever a cell the user may select, so a date or time cell selects nothing.
    const bool oneCell = stored_.top == stored_.bottom && stored_.left == stored_.right;
    if (oneCell && haveCurrent && cells_->IsValueColumn(currentColumn)) {
        anchor_row_ = currentRow;
        anchor_column_ = currentColumn;
        if (stored_.IsEmpty()) {
            Select(platform::GridRange::Cells(currentRow, currentColumn, currentRow, currentColumn));
        }
    }
    // The block becomes the open range dialog's choice as it stands: widening it to whole rows first
    // would make every channel of the file the choice.
    if (!stored_.IsEmpty() && range_dialog_ != nullptr && range_dialog_mode_ == kRangeDialogOpen) {
        if (!ValidateRangeDialog()) {
            grid_->Selection().Clear();
            grid_->SelectionChanged();
        }
        DeselectUnplottableColumns();
    }
}

void CRawDataView::SelectWholeRows() {
    const auto rows = grid_->Selection().RowSpan();
    if (rows) {
        Select(platform::GridRange::Cells(rows->first, 1, rows->second, GetColCount()));
    }
}

bool CRawDataView::IsInsideSelectedBlock(int row, int column) const {
    const GridBlock& block = last_range_;
    return row >= static_cast<int>(block.FirstRow()) && row <= static_cast<int>(block.bottom) &&
           column >= static_cast<int>(block.left) && column <= static_cast<int>(block.right);
}

void CRawDataView::OnRButtonUp(int row, int column, int globalX, int globalY) {
    GridBlock block;
    if (!GetSelectedRange(block, false) || !IsInsideSelectedBlock(row, column)) {
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName("gridContextMenu");
    for (const MenuCommand& command : kContextCommands) {
        if (command.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(platform::ToQString(LoadText(command.textId)));
        const unsigned id = command.id;
        auto* main = dynamic_cast<platform::MainFrame*>(window());
        if (command.viewCommand || main == nullptr) {
            action->setEnabled(command.viewCommand);
            connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        } else {
            action->setEnabled(main->UpdateCommand(id).enabled);
            const QPointer<platform::MainFrame> frame(main);
            connect(action, &QAction::triggered, this, [frame, id] {
                if (frame != nullptr) {
                    frame->RouteCommand(id);
                }
            });
        }
    }
    AddMenuTitle(*menu, LoadText(IDS_GRID_MENU_TITLE));
    menu->popup(QPoint(globalX, globalY));
}

QMenu* CRawDataView::ContextMenu() const {
    return findChild<QMenu*>("gridContextMenu");
}

int CRawDataView::GetColumnHeading(int column, std::string& cell, std::string& title,
                                   std::string& unit) const {
    cell.clear();
    title.clear();
    unit.clear();
    if (column > GetColCount()) {
        return -1;
    }
    return cells_->GetColumnHeading(column, cell, title, unit);
}

void CRawDataView::GetDataDateRange(std::optional<double>& first, std::optional<double>& last) const {
    first = cells_->GetRowTime(1);
    last = cells_->GetRowTime(GetRowCount());
}

void CRawDataView::FindRecordRange(double from, double to, long& firstRecord, long& lastRecord) const {
    const long rows = GetRowCount();
    firstRecord = rows + 1;
    lastRecord = 0;
    for (long row = 1; row <= rows; ++row) {
        const std::optional<double> time = cells_->GetRowTime(static_cast<int>(row));
        if (!time) {
            continue;
        }
        if (firstRecord > rows && *time >= from - kSameTimeStamp) {
            firstRecord = row;
        }
        if (*time <= to + kSameTimeStamp) {
            lastRecord = row;
        }
    }
}

bool CRawDataView::CheckColumnsSameKind(int first, int last) const {
    if (first == last) {
        return true;
    }
    const int kind = GetColumnValueKind(first);
    for (int column = first + 1; column <= last; ++column) {
        const CRawDataField* field = GetColumnField(column);
        if (field != nullptr && field->valueColumn && field->valueKind != kind) {
            ShowMessageBoxId(IDS_MIXED_VALUE_KINDS, MB_OK, true);
            return false;
        }
    }
    return true;
}

void CRawDataView::SetColumnYAxis(int column, int axis) {
    if (column >= 0 && column < kYAxisColumns) {
        y_axes_[static_cast<std::size_t>(column)] = axis;
    }
}

int CRawDataView::GetColumnYAxis(int column) const {
    return column >= 0 && column < kYAxisColumns ? y_axes_[static_cast<std::size_t>(column)] : 0;
}

CGraphSelRangeDlg* CRawDataView::OpenGraphRangeDialog(CGraphObjectAttributes& attributes) {
    if (range_dialog_ == nullptr) {
        range_dialog_ = new CGraphSelRangeDlg(*graph_link_, attributes, this);
    }
    range_dialog_->raise();
    return range_dialog_;
}

bool CRawDataView::IsColumnPlottable(int column) const {
    return cells_ && cells_->IsValueColumn(column);
}

void CRawDataView::ApplyRangeDialogSelection(const std::vector<int>& columns, bool allRecords, long from,
                                             long to) {
    const int rows = GetRowCount();
    if (columns.empty() || rows < 1) {
        return;
    }
    const int first = static_cast<int>(std::clamp<long>(from, 1, rows));
    const int last = static_cast<int>(std::clamp<long>(to, 1, rows));
    platform::GridSelection& selection = grid_->Selection();
    selection.Clear();
    for (const int column : columns) {
        selection.Select(allRecords ? platform::GridRange::Columns(column, column)
                                    : platform::GridRange::Cells(first, column, last, column));
    }
    grid_->SelectionChanged();
}

void CRawDataView::DeselectUnplottableColumns() {
    for (int column = 1; column <= GetColCount(); ++column) {
        if (!IsColumnPlottable(column)) {
            grid_->Selection().Deselect(platform::GridRange::Columns(column, column));
        }
    }
    grid_->SelectionChanged();
}

bool CRawDataView::ValidateRangeDialog() {
    if (range_dialog_ == nullptr) {
        return false;
    }
    if (!range_dialog_->SelectListedColumnsFromGrid()) {
        ShowMessageBoxId(IDP_GRAPH_TOO_MANY_CHANNELS, MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    range_dialog_->TakeGridRowSelection();
    return true;
}

void CRawDataView::OnExtractSelectedRange() {
    GridBlock block;
    if (!GetSelectedRange(block, false) || block.top == block.bottom) {
        return;
    }
    ExtractDataRange(*this, static_cast<long>(block.FirstRow()), static_cast<long>(block.bottom));
}

void AddMenuTitle(QMenu& menu, const std::string& title) {
    QAction* first = menu.actions().isEmpty() ? nullptr : menu.actions().front();
    QAction* separator = menu.insertSeparator(first);
    auto* heading = new QAction(platform::ToQString(title), &menu);
    heading->setEnabled(false);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    menu.insertAction(separator, heading);
    menu.setDefaultAction(heading);
}

CRawDataView* GetActiveRawDataView(const platform::MainFrame* frame) {
    return dynamic_cast<CRawDataView*>(platform::GetActiveView(frame));
}
