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
        // The view shows the name or the path column; the size, date and
        // attribute columns stay as the list fits them to their texts.
        const int shown = fileOnly ? 0 : 1;
        list->setColumnHidden(0, !fileOnly);
        list->setColumnHidden(1, fileOnly);
        list->setColumnWidth(shown, std::max(widths[shown], 1));
        list->viewport()->update();
    }
}

std::array<int, 4> FileListColumnWidths(int listWidth)
{
    const int w = listWidth;
    return {w / 3 + 10, w / 5 - 10, w / 3 - 10, w / 9 - 10};
}
