#pragma once
// A thin model over the core table: row 0 and column 0 become the header,
// and only the cells in view are ever decoded.

#include <QAbstractTableModel>

#include "state/Table.h"

namespace quorvel::ui {

class TableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TableModel(const Table* table, QObject* parent = nullptr)
        : QAbstractTableModel(parent), table_(table) {}

    // Around every change of the table's counts or cells.
    void BeginChange() { beginResetModel(); }
    void EndChange() { endResetModel(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    const Table* table_;
};

}  // namespace quorvel::ui
