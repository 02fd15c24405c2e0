#pragma once
// How a settings button opens its popup menu: a click pops the menu up at the
// button, a right press at the mouse pointer, unless a popup is already being
// opened. While it opens (pending messages run) the hourglass shows.
#include <QPoint>

#include <functional>

class QAbstractButton;
class QMenu;

// Binds the button's click handler and its right-press handler (given the
// pointer in global coordinates).
void BindPopupButton(QAbstractButton* button, std::function<void()> click,
                     std::function<void(const QPoint& at)> rightPress);
// The same with one handler: `open(at)` at the button's lower left for a
// click, at the pointer for a right press.
void BindPopupButton(QAbstractButton* button, std::function<void(const QPoint& at)> open);

// Where a click pops a menu up: the button's lower left, global.
QPoint BelowButton(const QAbstractButton* button);

// Pops `menu` up at `at`, marking `opening` until the menu shows; does
// nothing when `opening` is already set. Returns when the menu has closed.
void OpenPopup(QMenu* menu, const QPoint& at, bool& opening);
