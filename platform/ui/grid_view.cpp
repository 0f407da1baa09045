// GridView: the virtual grid widget with frozen columns and a selection of ranges shaped by the mouse.
#include "platform/ui/grid_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "platform/ui/grid_table_model.h"
#include "platform/ui/grid_window_model.h"
#include "platform/ui/qt_text.h"

namespace platform {

namespace {

// A press this close to the edge of a header section resizes it and selects nothing.
constexpr int kResizeMargin = 4;
// Room above and below a row's text.
constexpr int kRowPadding = 6;

unsigned FlagsOf(Qt::KeyboardModifiers modifiers) {
    unsigned flags = 0;
    if (modifiers & Qt::ShiftModifier) {
        flags |= kGridFlagShift;
    }
    if (modifiers & Qt::ControlModifier) {
        flags |= kGridFlagControl;
    }
    return flags;
}

bool NearSectionEdge(const QHeaderView* header, int position) {
    const int section = header->logicalIndexAt(position);
    if (section < 0) {
        return false;
    }
    const int start = header->sectionViewportPosition(section);
    const int end = start + header->sectionSize(section);
    return end - position <= kResizeMargin || (section > 0 && position - start <= kResizeMargin);
}

void SetUpTable(QTableView& table, int rowHeight) {
    table.verticalHeader()->setMinimumSectionSize(1);
    table.verticalHeader()->setDefaultSectionSize(rowHeight);
    table.setSelectionMode(QAbstractItemView::NoSelection);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setCornerButtonEnabled(false);
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table.horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    table.setWordWrap(false);
    // Scrolled columns pass under the frozen ones pixel by pixel, as in a frozen pane.
    table.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

}  // namespace

GridView::GridView(const GridCellSource& source, GridEvents& events, QWidget* parent)
    : QTableView(parent), source_(source), events_(events) {
    model_ = std::make_unique<GridTableModel>(source_, selection_);
    // Row heights are set before the rows arrive: set afterwards they would touch every row.
    SetUpTable(*this, fontMetrics().height() + kRowPadding);
    setModel(model_.get());
    viewport()->installEventFilter(this);
    horizontalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);
    selection_.SetSize(source_.GetRowCount(), source_.GetColCount());
}

GridView::~GridView() {
    // The views must let go of the models before they go.
    if (frozen_ != nullptr) {
        frozen_->setModel(nullptr);
    }
    frozen_rows_.reset();
    setModel(nullptr);
}

void GridView::Reload() {
    selection_.SetSize(source_.GetRowCount(), source_.GetColCount());
    model_->Reload();
    SetFrozenColumns(frozen_count_);
}

void GridView::SelectionChanged() {
    model_->SelectionChanged();
}

void GridView::SetFrozenColumns(int count) {
    frozen_count_ = count;
    if (count <= 0) {
        delete frozen_;
        frozen_ = nullptr;
        frozen_rows_.reset();
        return;
    }
    if (frozen_ == nullptr) {
        frozen_ = new QTableView(this);
        frozen_rows_ = std::make_unique<GridWindowModel>(*model_);
        SetUpTable(*frozen_, verticalHeader()->defaultSectionSize());
        frozen_->setModel(frozen_rows_.get());
        frozen_->verticalHeader()->hide();
        frozen_->setFocusPolicy(Qt::NoFocus);
        frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Its rows follow the grid's to the pixel: at the end of the table the grid's top row is cut.
        frozen_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        frozen_->setFrameShape(QFrame::NoFrame);
        frozen_->viewport()->installEventFilter(this);
        frozen_->horizontalHeader()->viewport()->installEventFilter(this);
        connect(verticalScrollBar(), &QAbstractSlider::valueChanged, this, &GridView::FollowScrolledRows);
        connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
            if (frozen_ != nullptr && section < frozen_count_) {
                frozen_->setColumnWidth(section, size);
                PlaceFrozenView();
            }
        });
        frozen_->show();
    }
    FollowScrolledRows();
    frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    PlaceFrozenView();
}

void GridView::FollowScrolledRows() {
    if (frozen_rows_ == nullptr) {
        return;
    }
    const int rowHeight = std::max(verticalHeader()->defaultSectionSize(), 1);
    const int first = std::max(rowAt(0), 0);
    frozen_rows_->SetWindow(first, viewport()->height() / rowHeight + 2);
    // A new window of rows is a new model to the frozen view: its columns are laid out again.
    for (int column = 0; column < model_->columnCount(); ++column) {
        frozen_->setColumnHidden(column, column >= frozen_count_);
        if (column < frozen_count_) {
            frozen_->setColumnWidth(column, columnWidth(column));
        }
    }
    // The grid's first row may stand partly above its viewport (scrolled to the end, the last row
    // stands at the bottom edge): the frozen rows stand as high as theirs.
    frozen_->doItemsLayout();
    frozen_->verticalScrollBar()->setValue(-rowViewportPosition(first));
}

void GridView::SetHeaderHeight(int height) {
    horizontalHeader()->setFixedHeight(height);
    if (frozen_ != nullptr) {
        frozen_->horizontalHeader()->setFixedHeight(height);
    }
}

void GridView::SetColumnWidth(int column, int width) {
    if (column == 0) {
        verticalHeader()->setFixedWidth(width);
    } else {
        setColumnWidth(column - 1, width);
    }
    PlaceFrozenView();
}

void GridView::PlaceFrozenView() {
    if (frozen_ == nullptr) {
        return;
    }
    int width = 0;
    for (int column = 0; column < frozen_count_ && column < model_->columnCount(); ++column) {
        width += columnWidth(column);
    }
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), width,
                         viewport()->height() + horizontalHeader()->height());
    FollowScrolledRows();
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    PlaceFrozenView();
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid()) {
        current_row_ = current.row() + 1;
        current_column_ = current.column() + 1;
    }
}

bool GridView::GetCurrentCell(int& row, int& column) const {
    row = current_row_;
    column = current_column_;
    return current_row_ > 0 && current_column_ > 0;
}

std::pair<int, int> GridView::CellAt(const QWidget* widget, const QPoint& position) const {
    auto fromTable = [&](const QTableView& table) -> std::pair<int, int> {
        const int row = table.rowAt(position.y());
        const int column = table.columnAt(position.x());
        return row < 0 || column < 0 ? std::pair{-1, -1} : std::pair{row + 1, column + 1};
    };
    if (widget == viewport()) {
        return fromTable(*this);
    }
    if (frozen_ != nullptr && widget == frozen_->viewport()) {
        const auto [row, column] = fromTable(*frozen_);
        return row < 0 ? std::pair{-1, -1} : std::pair{row + frozen_rows_->FirstRow(), column};
    }
    for (const QHeaderView* header :
         {horizontalHeader(), frozen_ != nullptr ? frozen_->horizontalHeader() : nullptr}) {
        if (header != nullptr && widget == header->viewport()) {
            const int column = header->logicalIndexAt(position.x());
            return column < 0 || NearSectionEdge(header, position.x()) ? std::pair{-1, -1}
                                                                        : std::pair{0, column + 1};
        }
    }
    if (widget == verticalHeader()->viewport()) {
        const int row = verticalHeader()->logicalIndexAt(position.y());
        return row < 0 ? std::pair{-1, -1} : std::pair{row + 1, 0};
    }
    return {-1, -1};
}

std::string SelectedCellsText(const GridCellSource& source, const GridSelection& selection) {
    if (selection.IsEmpty()) {
        return {};
    }
    const int rows = source.GetRowCount();
    int top = rows;
    int bottom = 0;
    int left = source.GetColCount();
    int right = 0;
    for (const GridRange& range : selection.Ranges()) {
        top = std::min(top, range.FirstRow());
        bottom = std::max(bottom, range.LastRow(rows));
        left = std::min(left, range.left);
        right = std::max(right, range.right);
    }
    std::string text;
    for (int row = std::max(top, 1); row <= std::min(bottom, rows); ++row) {
        for (int column = std::max(left, 1); column <= right; ++column) {
            GridCell cell;
            if (selection.IsSelected(row, column) && source.GetCell(row, column, cell)) {
                text += cell.text;
            }
            text += column < right ? '\t' : '\n';
        }
    }
    return text;
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(ToQString(SelectedCellsText(source_, selection_)));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) {
        return QTableView::eventFilter(watched, event);
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    const auto [row, column] = CellAt(static_cast<QWidget*>(watched), mouse->position().toPoint());
    const unsigned flags = FlagsOf(mouse->modifiers());
    const bool onCells = watched == viewport() || (frozen_ != nullptr && watched == frozen_->viewport());
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        if (row < 0) {
            return false;
        }
        MouseDown(row, column, flags);
        return onCells;
    }
    if (type == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton) && drag_ != DragKind::None) {
        MouseMove(row, column);
        return onCells;
    }
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton && press_row_ >= 0) {
        MouseUp(row, column, flags);
        return onCells;
    }
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::RightButton && row >= 0) {
        const QPoint global = mouse->globalPosition().toPoint();
        events_.OnRButtonUp(row, column, global.x(), global.y());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

GridRange GridView::DragRange(int row, int column) const {
    switch (drag_) {
        case DragKind::Columns:
            return GridRange::Columns(anchor_column_, std::max(column, 1));
        case DragKind::Rows:
            return GridRange::Cells(anchor_row_, 1, std::max(row, 1), source_.GetColCount());
        default:
            return GridRange::Cells(anchor_row_, anchor_column_, std::max(row, 1), std::max(column, 1));
    }
}

void GridView::MouseDown(int row, int column, unsigned flags) {
    press_row_ = row;
    press_column_ = column;
    if (row > 0 && column > 0) {
        current_row_ = row;
        current_column_ = column;
    }
    drag_ = DragKind::None;
    if (!events_.OnStartSelection(row, column, flags)) {
        return;
    }
    if ((flags & kGridFlagControl) == 0) {
        selection_.Clear();
    }
    drag_ = row == 0 ? DragKind::Columns : column == 0 ? DragKind::Rows : DragKind::Cells;
    anchor_row_ = row;
    anchor_column_ = column;
    selection_.Select(DragRange(row, column));
    SelectionChanged();
}

void GridView::MouseMove(int row, int column) {
    if (drag_ == DragKind::None || row < 0) {
        return;
    }
    selection_.ReplaceLast(DragRange(row, column));
    SelectionChanged();
}

void GridView::MouseUp(int row, int column, unsigned flags) {
    MouseMove(row, column);
    drag_ = DragKind::None;
    const bool click = row == press_row_ && column == press_column_;
    press_row_ = -1;
    press_column_ = -1;
    if (click) {
        GridCell cell;
        if (row > 0 && column > 0 && source_.GetCell(row, column, cell) && cell.button) {
            events_.OnClickedButtonRowCol(row, column);
        }
        events_.OnLButtonClickedRowCol(row, column, flags);
    }
    events_.OnLButtonUp(flags);
}

}  // namespace platform
