#pragma once
// How an entry of a time list is drawn (ListBox_ALLDrawItem,
// ListBox_CDrawItem): the item's rectangle filled with the list's colour, or
// the selection colour when selected; an entry with a start-time mark filled
// with the mark's colour instead, selected or not; a selected entry in a
// bold font; the text at the rectangle's top-left corner.
#include <QStyledItemDelegate>

#include <functional>

inline constexpr int TimeListItemHeight = 13;

class TimeListDrawing : public QStyledItemDelegate {
public:
    // `markOf` gives an entry's colour code 0-6 (0: unmarked); may be unset.
    TimeListDrawing(const std::function<int(int index)>& markOf, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const std::function<int(int index)>& markOf_;
};
