#pragma once
// What the file list and the registration lists share as widgets: the
// drawing of their rows, the keys that act as a click, and the list as the
// play handler sees it. Each list is a QTreeWidget in report style.
#include <QObject>
#include <QStyledItemDelegate>

#include <functional>

#include "EntryPlay.h"

class QTreeWidget;

// ListView1CustomDrawItem: italics for system files, strike-out for hidden
// ones, bold for the selected row, read from the attribute column; with no
// attribute column (-1) only the selected row is bold.
class ListItemDrawer : public QStyledItemDelegate {
public:
    ListItemDrawer(int attributeColumn, QObject* parent);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    int attributeColumn_;
};

// ListView1KeyUp: releasing Backspace, Enter, End, Home or an arrow key calls `click`.
class PlayKeyFilter : public QObject {
public:
    // `keyUp` receives every released key that is not an auto-repeat.
    PlayKeyFilter(std::function<void(int key)> keyUp, QObject* parent);
    static bool isPlayKey(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int key)> keyUp_;
};

// A list as the play handler works on it; the path of a row is read from
// `pathColumn`, or made by `pathOf` from the row's caption when it is set.
class TreeWidgetPlayList : public PlayableList {
public:
    TreeWidgetPlayList(QTreeWidget& list, int pathColumn, std::function<QString(const QString&)> pathOf = {});

    int count() const override;
    int selectedRow() const override;
    QString pathAt(int row) const override;
    void removeAt(int row) override;
    void selectOnly(int row) override;

private:
    QTreeWidget& list_;
    int pathColumn_;
    std::function<QString(const QString&)> pathOf_;
};
