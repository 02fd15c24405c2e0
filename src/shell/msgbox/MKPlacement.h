#pragma once
// Where the message box goes on the desktop.
#include <QPoint>
#include <QRect>
#include <QSize>

#include "WorkArea.h"

// Top-left corner that centres a box of the given size over the owner.
QPoint CentredOver(const QRect& owner, const QSize& box);

// Top-left corner that holds the box inside the work area: first moved left
// or up until its right and bottom edges are inside, then right or down until
// its left and top edges are inside (so a box larger than the area keeps its
// top-left corner, title bar included, on the desktop).
QPoint HeldInside(const QPoint& topLeft, const QSize& box, const WorkAreaRect& area);
