#pragma once
// Columns that show their texts whole: a fitted column of a list is as wide
// as its header caption and its widest text, measured bold since the
// selected row is drawn bold. It widens as rows arrive or change and fits
// anew when the list is emptied, so a refilled list fits what it now shows.
// The list keeps a minimum width that shows its fitted columns and the
// captions of its other columns.
#include <QList>

class QTreeWidget;

// Keeps `columns` of `list` fitted from now on.
void KeepColumnsFitted(QTreeWidget& list, const QList<int>& columns);
// Fits the kept columns of `list` anew to all its rows (after something set
// their widths).
void FitColumns(QTreeWidget& list);
