#pragma once
// Where a small dialog of the program goes on the desktop.
class QWidget;

// The window a dialog centres over: the given owner's window, else the
// application's main window; null when there is neither.
QWidget* OwnerOrMainWindow(QWidget* owner);

// Moves the dialog, at its present size, to the centre of the owner's window
// (of the desktop work area when there is no owner) and holds the whole of it,
// frame included, inside the work area.
void PlaceOver(QWidget& dialog, QWidget* owner);
