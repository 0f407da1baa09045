// GridTableModel: the Qt table model of a virtual grid: every cell asked of a GridCellSource when shown.
#pragma once

#include <QAbstractTableModel>

#include "platform/ui/grid_cell_source.h"
#include "platform/ui/grid_selection.h"

namespace platform {

// Model row r and column c are grid row r + 1 and grid column c + 1; the header sections show grid
// row 0 and column 0. Selected cells are painted from the GridSelection, not from Qt's selection.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    GridTableModel(const GridCellSource& source, const GridSelection& selection, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The counts or the cells changed: asks the source again.
    void Reload();
    // The selection changed: repaints the cells.
    void SelectionChanged();

private:
    QVariant CellData(int row, int column, int role) const;

    const GridCellSource& source_;
    const GridSelection& selection_;
};

}  // namespace platform
