#include "RegistrationList.h"

#include <QHeaderView>

#include "ColumnFit.h"
#include "DroppedFiles.h"
#include "RegistrationTexts.h"

RegistrationList::RegistrationList(const QString& name, QWidget* parent)
    : QTreeWidget(parent)
{
    using namespace RegistrationTexts;
    setObjectName(name);
    setColumnCount(RegistrationColumnCount);
    setHeaderLabels({HeaderCaption, HeaderPath, HeaderSize, HeaderDate, HeaderAttributes});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsClickable(true);
    header()->setMinimumSectionSize(0);
    header()->setStretchLastSection(false);
    for (const int column : {SizeColumn, AttributesColumn})
        headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    // Size, date and attributes show whole; the file name or the full path
    // (whichever is shown) takes the rest of the width and keeps its ends
    // when it must be shortened.
    for (const int column : {CaptionColumn, PathColumn}) header()->setSectionResizeMode(column, QHeaderView::Stretch);
    setTextElideMode(Qt::ElideMiddle);
    KeepColumnsFitted(*this, {SizeColumn, DateColumn, AttributesColumn});
    connect(header(), &QHeaderView::sectionClicked, this, &RegistrationList::columnClicked);
    AcceptFileDrops(this, true, [this](const QStringList& paths) { emit filesDropped(paths); });
}

QTreeWidgetItem* RegistrationList::newItem(const FileRow& row) const
{
    auto* item = new QTreeWidgetItem({row.caption, row.path, row.size, row.date, row.attributes});
    for (const int column : {SizeColumn, AttributesColumn})
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

ListEntries RegistrationList::entries() const
{
    ListEntries list;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = topLevelItem(i);
        list.append({FileRow{item->text(CaptionColumn), item->text(PathColumn), item->text(SizeColumn),
                             item->text(DateColumn), item->text(AttributesColumn)},
                     item->isSelected()});
    }
    return list;
}

void RegistrationList::setEntries(const ListEntries& entries, std::optional<int> current)
{
    clear();
    QList<QTreeWidgetItem*> items;
    for (const ListEntry& entry : entries) items.append(newItem(entry.row));
    addTopLevelItems(items);
    for (int i = 0; i < entries.size(); ++i) items[i]->setSelected(entries[i].selected);
    if (current) makeCurrent(*current);
}

void RegistrationList::appendRow(const FileRow& row)
{
    addTopLevelItem(newItem(row));
    selectOnly(topLevelItemCount() - 1);
}

void RegistrationList::selectOnly(int index)
{
    QTreeWidgetItem* item = topLevelItem(index);
    if (!item) return;
    clearSelection();
    item->setSelected(true);
    makeCurrent(index);
}

void RegistrationList::makeCurrent(int index)
{
    QTreeWidgetItem* item = topLevelItem(index);
    if (!item) return;
    selectionModel()->setCurrentIndex(indexFromItem(item), QItemSelectionModel::NoUpdate);
    scrollToItem(item);
}

void RegistrationList::setCountCaptions(const CountCaptions& captions)
{
    headerItem()->setText(CaptionColumn, captions.caption);
    headerItem()->setText(PathColumn, captions.path);
}

std::array<int, RegistrationColumnCount> RegistrationList::columnWidths() const
{
    std::array<int, RegistrationColumnCount> widths{};
    for (int i = 0; i < RegistrationColumnCount; ++i) widths[i] = columnWidth(i);
    return widths;
}

void RegistrationList::setColumnWidths(const std::array<int, RegistrationColumnCount>& widths)
{
    for (int i = 0; i < RegistrationColumnCount; ++i) setColumnWidth(i, widths[i]);
    FitColumns(*this);
}

