// The table model of a logger list's grid: connect button, serial number, description, configure
// button; the row header counts the entries.
#pragma once

#include <QAbstractTableModel>

class CLoggerListDoc;

class CLoggerListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kConnectColumn, kSerialColumn, kDescriptionColumn, kConfigureColumn, kColumnCount };

    explicit CLoggerListModel(CLoggerListDoc& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Serial numbers and descriptions; a character Windows-1252 lacks refuses the edit with a beep.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The document's entries changed in number or order.
    void Reload();

private:
    CLoggerListDoc& document_;
};
