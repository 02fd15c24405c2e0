#include "MKLayout.h"

#include <algorithm>

namespace {

constexpr int Margin = 12;
constexpr int IconSize = 32;
constexpr int MinGap = 10;        // least space between buttons of the row
constexpr int LabelGap = 4;       // Label_TM to the pause button
constexpr int MarkGap = 3;        // button to the Label_Select bar
constexpr int MarkHeight = 4;
constexpr int MinTextWidth = 180;

int TextLeft() { return Margin + IconSize + Margin; }

// Widths of the row's items: the count-down group, then each answer button.
QList<int> RowItems(const MKLayoutInput& input)
{
    QList<int> widths;
    if (input.countDown) widths << input.countLabel.width() + LabelGap + input.button.width();
    for (int i = 0; i < input.answerButtons; ++i) widths << input.button.width();
    return widths;
}

int Sum(const QList<int>& values)
{
    int sum = 0;
    for (int value : values) sum += value;
    return sum;
}

int RowBottomSpace(const MKLayoutInput& input)
{
    return Margin + input.button.height() + MarkGap + MarkHeight + Margin;
}

// The text area's size: as wanted, but no smaller than the icon and no larger
// than the work area leaves room for (it scrolls then).
QSize TextAreaSize(const MKLayoutInput& input, int rowWidth)
{
    const int widest = std::max(MinTextWidth, input.maxClient.width() - TextLeft() - Margin);
    const int tallest = std::max(IconSize, input.maxClient.height() - Margin - RowBottomSpace(input));
    int width = std::clamp(input.textArea.width(), MinTextWidth, widest);
    width = std::max(width, rowWidth - IconSize - Margin);  // the button row always fits
    const int height = std::clamp(input.textArea.height(), IconSize, tallest);
    return {width, height};
}

// Lays the row out centred in the given width, which holds it with MinGap
// spaces: spaces of a third of the free width, but at least MinGap.
QList<QRect> RowRects(const QList<int>& widths, int left, int width, int top, int height)
{
    const int free = width - Sum(widths);
    const int gaps = static_cast<int>(widths.size()) - 1;
    int gap = gaps > 0 ? std::max(MinGap, free / 3) : 0;
    const int rowWidth = Sum(widths) + gap * gaps;
    int x = left + (width - rowWidth) / 2;
    QList<QRect> rects;
    for (int w : widths) {
        rects << QRect(x, top, w, height);
        x += w + gap;
    }
    return rects;
}

}  // namespace

MKLayout LayOutBox(const MKLayoutInput& input)
{
    const QList<int> widths = RowItems(input);
    const int rowMinWidth = Sum(widths) + MinGap * (static_cast<int>(widths.size()) - 1);

    MKLayout layout;
    layout.icon = QRect(Margin, Margin, IconSize, IconSize);
    layout.textArea = QRect(QPoint(TextLeft(), Margin), TextAreaSize(input, rowMinWidth));
    layout.client = QSize(layout.textArea.right() + 1 + Margin,
                          layout.textArea.bottom() + 1 + RowBottomSpace(input));

    const int rowTop = layout.textArea.bottom() + 1 + Margin;
    QList<QRect> row = RowRects(widths, Margin, layout.client.width() - 2 * Margin, rowTop,
                                input.button.height());
    if (input.countDown) {
        const QRect group = row.takeFirst();
        const int labelTop = rowTop + (input.button.height() - input.countLabel.height()) / 2;
        layout.countLabel = QRect(QPoint(group.left(), labelTop), input.countLabel);
        layout.pauseButton = QRect(QPoint(group.right() + 1 - input.button.width(), rowTop),
                                   input.button);
    }
    layout.answers = row;
    return layout;
}

QRect SelectMarkAt(const QRect& button)
{
    return QRect(button.left(), button.bottom() + 1 + MarkGap, button.width(), MarkHeight);
}
