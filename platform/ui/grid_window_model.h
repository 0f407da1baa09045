// GridWindowModel: the rows of a table model that a view shows at once, for the frozen columns, so
// that they keep no entry per row of a file of millions of rows.
#pragma once

#include <QAbstractTableModel>

namespace platform {

// Row r of the window is row first + r of the source.
class GridWindowModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit GridWindowModel(QAbstractItemModel& source, QObject* parent = nullptr);

    // Shows `count` rows from source row `first` (from 0).
    void SetWindow(int first, int count);
    int FirstRow() const { return first_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QAbstractItemModel& source_;
    int first_ = 0;
    int count_ = 0;
};

}  // namespace platform
