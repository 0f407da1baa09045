// GridTableModel: the Qt table model of a virtual grid over a GridCellSource.
#include "platform/ui/grid_table_model.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include "platform/ui/qt_text.h"

namespace platform {

namespace {

constexpr QRgb kGreyInterior = 0xC0C0C0;

Qt::Alignment ToQtAlignment(GridCell::Align align) {
    switch (align) {
        case GridCell::Align::Center:
            return Qt::AlignCenter;
        case GridCell::Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case GridCell::Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

GridTableModel::GridTableModel(const GridCellSource& source, const GridSelection& selection, QObject* parent)
    : QAbstractTableModel(parent), source_(source), selection_(selection) {}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : source_.GetRowCount();
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : source_.GetColCount();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    return CellData(index.row() + 1, index.column() + 1, role);
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return orientation == Qt::Horizontal ? CellData(0, section + 1, role) : CellData(section + 1, 0, role);
}

QVariant GridTableModel::CellData(int row, int column, int role) const {
    const bool selected = row > 0 && column > 0 && selection_.IsSelected(row, column);
    if (role == Qt::BackgroundRole && selected) {
        return QGuiApplication::palette().brush(QPalette::Highlight);
    }
    if (role == Qt::ForegroundRole && selected) {
        return QGuiApplication::palette().brush(QPalette::HighlightedText);
    }
    if (role != Qt::DisplayRole && role != Qt::BackgroundRole && role != Qt::TextAlignmentRole) {
        return {};
    }
    GridCell cell;
    const bool filled = source_.GetCell(row, column, cell);
    switch (role) {
        case Qt::DisplayRole:
            return filled ? QVariant(ToQString(cell.text)) : QVariant();
        case Qt::BackgroundRole:
            if (filled && cell.interior) {
                return QVariant(QBrush(QColor::fromRgb(*cell.interior)));
            }
            return filled && cell.grey ? QVariant(QBrush(QColor(kGreyInterior))) : QVariant();
        default:
            return QVariant(static_cast<int>(ToQtAlignment(cell.align)));
    }
}

void GridTableModel::Reload() {
    beginResetModel();
    endResetModel();
}

void GridTableModel::SelectionChanged() {
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole});
    }
}

}  // namespace platform
