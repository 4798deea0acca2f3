#include "data/ui/data_column_model.h"

#include "document/data_columns.h"

namespace qv {

DataColumnModel::DataColumnModel(const DataColumns& columns, int column, QObject* parent)
    : QAbstractListModel(parent), columns_(columns), column_(column),
      rows_(static_cast<int>(columns.column(column).size())) {}

int DataColumnModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant DataColumnModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_) return {};
    const std::vector<std::string>& items = columns_.column(column_);
    if (static_cast<std::size_t>(index.row()) >= items.size()) return {};
    // Items are single-byte texts, as the list files hold them. A value the
    // program stored with every digit shows with the 15 of its number text.
    return QString::fromLatin1(shownItemText(items[static_cast<std::size_t>(index.row())]));
}

void DataColumnModel::appended() {
    const int now = static_cast<int>(columns_.column(column_).size());
    if (now != rows_ + 1) return reset();
    beginInsertRows({}, rows_, rows_);
    rows_ = now;
    endInsertRows();
}

void DataColumnModel::reset() {
    beginResetModel();
    rows_ = static_cast<int>(columns_.column(column_).size());
    endResetModel();
}

void DataColumnModel::changed(int first, int last) {
    Q_EMIT dataChanged(index(first), index(last), {Qt::DisplayRole});
}

}  // namespace qv
