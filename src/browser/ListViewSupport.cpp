#include "ListViewSupport.h"

#include <QKeyEvent>
#include <QTreeWidget>

#include "ListDrawing.h"

ListItemDrawer::ListItemDrawer(int attributeColumn, QObject* parent)
    : QStyledItemDelegate(parent)
    , attributeColumn_(attributeColumn)
{
}

void ListItemDrawer::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QString attributes = attributeColumn_ < 0 ? QString() : index.siblingAtColumn(attributeColumn_).data().toString();
    const RowFont look = RowFontOf(attributes, option->state.testFlag(QStyle::State_Selected));
    option->font.setItalic(look.italic);
    option->font.setStrikeOut(look.strikeOut);
    option->font.setBold(look.bold);
}

PlayKeyFilter::PlayKeyFilter(std::function<void(int key)> keyUp, QObject* parent)
    : QObject(parent)
    , keyUp_(std::move(keyUp))
{
}

bool PlayKeyFilter::isPlayKey(int key)
{
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

bool PlayKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && keyUp_) keyUp_(key->key());
    }
    return QObject::eventFilter(watched, event);
}

TreeWidgetPlayList::TreeWidgetPlayList(QTreeWidget& list, int pathColumn, std::function<QString(const QString&)> pathOf)
    : list_(list)
    , pathColumn_(pathColumn)
    , pathOf_(std::move(pathOf))
{
}

int TreeWidgetPlayList::count() const
{
    return list_.topLevelItemCount();
}

int TreeWidgetPlayList::selectedRow() const
{
    const QList<QTreeWidgetItem*> selected = list_.selectedItems();
    if (selected.isEmpty()) return -1;
    int first = list_.indexOfTopLevelItem(selected.front());
    for (QTreeWidgetItem* item : selected) first = std::min(first, list_.indexOfTopLevelItem(item));
    return first;
}

QString TreeWidgetPlayList::pathAt(int row) const
{
    const QTreeWidgetItem* item = list_.topLevelItem(row);
    if (!item) return {};
    return pathOf_ ? pathOf_(item->text(0)) : item->text(pathColumn_);
}

void TreeWidgetPlayList::removeAt(int row)
{
    delete list_.takeTopLevelItem(row);
}

void TreeWidgetPlayList::selectOnly(int row)
{
    QTreeWidgetItem* item = list_.topLevelItem(row);
    if (!item) return;
    list_.clearSelection();
    list_.setCurrentItem(item);
    item->setSelected(true);
    list_.scrollToItem(item);
}
