#pragma once
// How the cut face opens its right-button menus: MsgShowing marks the menu
// as being opened (while the hourglass shows and pending messages run), so
// that no other cut-face menu opens meanwhile; the menu clears the mark as
// it shows. Nothing opens while the mark is already set.
#include <QPoint>

class QMenu;

// Pops the menu up at `at` (global) unless `MsgShowing` is set.
void OpenCutFaceMenu(QMenu* menu, const QPoint& at, bool& MsgShowing);
