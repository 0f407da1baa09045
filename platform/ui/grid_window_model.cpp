// GridWindowModel: the rows of a table model that a view shows at once.
#include "platform/ui/grid_window_model.h"

#include <algorithm>

namespace platform {

GridWindowModel::GridWindowModel(QAbstractItemModel& source, QObject* parent)
    : QAbstractTableModel(parent), source_(source) {
    connect(&source_, &QAbstractItemModel::modelReset, this, [this] { SetWindow(first_, count_); });
    connect(&source_, &QAbstractItemModel::dataChanged, this, [this] {
        if (rowCount() > 0 && columnCount() > 0) {
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        }
    });
}

void GridWindowModel::SetWindow(int first, int count) {
    beginResetModel();
    first_ = std::max(first, 0);
    count_ = std::max(count, 0);
    endResetModel();
}

int GridWindowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::clamp(source_.rowCount() - first_, 0, count_);
}

int GridWindowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : source_.columnCount();
}

QVariant GridWindowModel::data(const QModelIndex& index, int role) const {
    return index.isValid() ? source_.data(source_.index(first_ + index.row(), index.column()), role) : QVariant();
}

QVariant GridWindowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return source_.headerData(orientation == Qt::Vertical ? first_ + section : section, orientation, role);
}

}  // namespace platform
