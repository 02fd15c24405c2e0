#include "TimeListBox.h"

#include <QItemSelection>
#include <QMouseEvent>

#include <algorithm>

#include "TimeListDrawing.h"
#include "TimeListModel.h"

TTimeListBox::TTimeListBox(ListKind kind, const char* name, const char* hint, QWidget* parent)
    : QListView(parent), kind_(kind), model_(new TimeListModel(this))
{
    setObjectName(QString::fromLatin1(name));
    setToolTip(QString::fromUtf8(hint));
    setModel(model_);
    setItemDelegate(new TimeListDrawing(markOf, this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont small = font();
    small.setPixelSize(TimeListItemHeight - 1);
    setFont(small);
}

int TTimeListBox::count() const { return model_->rowCount(); }

QString TTimeListBox::entry(int index) const { return model_->entries().value(index); }

const QStringList& TTimeListBox::entries() const { return model_->entries(); }

void TTimeListBox::setEntries(QStringList entries) { model_->setEntries(std::move(entries)); }

void TTimeListBox::clear() { setEntries({}); }

int TTimeListBox::itemIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TTimeListBox::setItemIndex(int index)
{
    const QModelIndex target = model_->index(index, 0);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    if (target.isValid()) scrollTo(target);
}

void TTimeListBox::selectOnly(int index)
{
    const QModelIndex target = model_->index(index, 0);
    if (!target.isValid()) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    scrollTo(target);
}

bool TTimeListBox::isSelected(int index) const
{
    return selectionModel()->isSelected(model_->index(index, 0));
}

void TTimeListBox::setSelected(int index, bool selected)
{
    const QModelIndex target = model_->index(index, 0);
    if (target.isValid())
        selectionModel()->select(target, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

QList<int> TTimeListBox::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TTimeListBox::selectAllEntries()
{
    if (count() == 0) return;
    selectionModel()->select(QItemSelection(model_->index(0, 0), model_->index(count() - 1, 0)),
                             QItemSelectionModel::Select);
}

void TTimeListBox::mousePressEvent(QMouseEvent* event)
{
    // The right button opens the list's menu and leaves the selection alone.
    if (event->button() == Qt::RightButton) {
        emit rightPressed(event->globalPosition().toPoint());
        return;
    }
    QListView::mousePressEvent(event);
}

void TTimeListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid()) emit entryClicked();
}

void TTimeListBox::keyPressEvent(QKeyEvent* event)
{
    // Moving to another entry with the keys plays it, as a click does.
    const int before = itemIndex();
    QListView::keyPressEvent(event);
    if (itemIndex() != before && itemIndex() >= 0) emit entryClicked();
}
