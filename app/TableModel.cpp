#include "app/TableModel.h"

#include "app/Look.h"

namespace quorvel::ui {

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, table_->RowCount() - 1);
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, table_->ColCount() - 1);
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return DecodeSjis(table_->Cell(index.column() + 1, index.row() + 1));
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? DecodeSjis(table_->Cell(section + 1, 0))
                                         : DecodeSjis(table_->Cell(0, section + 1));
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

}  // namespace quorvel::ui
