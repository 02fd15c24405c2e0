#pragma once
// The column widths of the registration lists (file name, full path, size,
// date, attributes) for the width of the batch tabs, with or without the
// "file name only" view, and of the file list ListView1.
#include <array>
#include <vector>

class QTreeWidget;

// With the view on, the name column takes the path column's place and the
// path column is hidden; off, the other way round. A width below 1 counts as 1.
std::array<int, 5> RegistrationColumnWidths(int pageWidth, bool fileOnly);
// Shows the name or the path column of each list, at that width, and
// repaints it; the other columns are left as they are.
void ApplyFileOnly(const std::vector<QTreeWidget*>& lists, int pageWidth, bool fileOnly);

// Name, size, date and attribute columns of the file list of width `listWidth`.
std::array<int, 4> FileListColumnWidths(int listWidth);
