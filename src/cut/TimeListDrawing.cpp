#include "TimeListDrawing.h"

#include <QPainter>

#include "SettingsColours.h"

TimeListDrawing::TimeListDrawing(const std::function<int(int index)>& markOf, QObject* parent)
    : QStyledItemDelegate(parent), markOf_(markOf)
{
}

void TimeListDrawing::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    QColor background = palette.color(selected ? QPalette::Highlight : QPalette::Base);
    QColor text = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    // A marked entry keeps its colour when selected: the bold font shows the selection.
    if (const int mark = markOf_ ? markOf_(index.row()) : 0; mark != 0) {
        if (const auto colours = StartTimeMarkerColours(mark, true)) {
            background = colours->background;
            text = colours->text;
        }
    }
    painter->save();
    painter->fillRect(option.rect, background);
    QFont font = option.font;
    font.setBold(selected);
    painter->setFont(font);
    painter->setPen(text);
    painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data().toString());
    painter->restore();
}

QSize TimeListDrawing::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return {option.rect.width() > 0 ? option.rect.width() : 1, TimeListItemHeight};
}
