#include "FileOnlyView.h"

#include <QTreeWidget>

#include <algorithm>

std::array<int, 5> RegistrationColumnWidths(int pageWidth, bool fileOnly)
{
    const int w = std::max(pageWidth, 1);
    const int nameWidth = w / 2 - 20;
    return {fileOnly ? nameWidth : 0, fileOnly ? 0 : nameWidth, w / 6 - 10, w / 4, w / 10 - 10};
}

void ApplyFileOnly(const std::vector<QTreeWidget*>& lists, int pageWidth, bool fileOnly)
{
    const std::array<int, 5> widths = RegistrationColumnWidths(pageWidth, fileOnly);
    for (QTreeWidget* list : lists) {
        if (!list) continue;
        for (int column = 0; column < static_cast<int>(widths.size()) && column < list->columnCount(); ++column)
        {
            // A width of 0 hides the column: the header keeps a minimum size otherwise.
            list->setColumnHidden(column, widths[column] <= 0);
            if (widths[column] > 0) list->setColumnWidth(column, widths[column]);
        }
        list->viewport()->update();
    }
}

std::array<int, 4> FileListColumnWidths(int listWidth)
{
    const int w = listWidth;
    return {w / 3 + 10, w / 5 - 10, w / 3 - 10, w / 9 - 10};
}
