#pragma once
// The entry texts of one time list, as a model for its view. The texts are
// replaced whole (a list is rebuilt, not edited), so the view lays out tens
// of thousands of entries at once.
#include <QAbstractListModel>
#include <QStringList>

class TimeListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const QStringList& entries() const { return entries_; }
    void setEntries(QStringList entries);

private:
    QStringList entries_;
};
