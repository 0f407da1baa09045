#include "shared/controls/logger_list_model.h"

#include <QBrush>
#include <QColor>

#include "platform/base/program_texts.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/logger_list_doc.h"
#include "shared/controls/logger_list_ids.h"

CLoggerListModel::CLoggerListModel(CLoggerListDoc& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {}

int CLoggerListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(document_.GetCount());
}

int CLoggerListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CLoggerListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const CLogger& entry = document_.GetLogger(static_cast<std::size_t>(index.row()));
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            switch (index.column()) {
                case kConnectColumn:
                    return platform::ToQString(LoadText(IDS_LIST_CONNECT));
                case kSerialColumn:
                    return platform::ToQString(entry.GetSerial());
                case kDescriptionColumn:
                    return platform::ToQString(entry.GetDescription());
                default:
                    return platform::ToQString(LoadText(IDS_LIST_CONFIGURE));
            }
        case Qt::ForegroundRole:
            if (index.column() == kConfigureColumn && entry.IsScheduleOn()) {
                return QBrush(QColor(0, 255, 0));
            }
            return {};
        default:
            return {};
    }
}

QVariant CLoggerListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    static constexpr unsigned kHeaders[] = {IDS_LIST_CONNECT, IDS_LIST_SERIAL, IDS_LIST_DESCRIPTION};
    return section < kConfigureColumn ? platform::ToQString(LoadText(kHeaders[section])) : QString();
}

Qt::ItemFlags CLoggerListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool textColumn = index.column() == kSerialColumn || index.column() == kDescriptionColumn;
    if (textColumn && document_.Host().EditsLists()) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool CLoggerListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const QString typed = value.toString();
    const std::string text = platform::FromQString(typed);
    if (platform::ToQString(text) != typed) {
        platform::CurrentDesktopServices().Beep();
        return false;
    }
    CLogger& entry = document_.GetLogger(static_cast<std::size_t>(index.row()));
    if ((index.column() == kSerialColumn ? entry.GetSerial() : entry.GetDescription()) == text) {
        return true;
    }
    if (index.column() == kSerialColumn) {
        entry.SetSerial(text);
    } else {
        entry.SetDescription(text);
    }
    document_.SetModifiedFlag();
    emit dataChanged(index, index);
    return true;
}

void CLoggerListModel::Reload() {
    beginResetModel();
    endResetModel();
}
