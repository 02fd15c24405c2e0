#pragma once
// The application's main window, for the windows that centre over it or take
// their colours from it.
class QWidget;

// The first visible top-level main window, else the first one at all; null
// when the program has none.
QWidget* AppMainWindow();
