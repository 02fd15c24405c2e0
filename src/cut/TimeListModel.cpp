#include "TimeListModel.h"

int TimeListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant TimeListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= entries_.size()) return {};
    return entries_.at(index.row());
}

void TimeListModel::setEntries(QStringList entries)
{
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}
