#pragma once
// The colours the main window takes by itself when no colour scheme is on.
#include <QColor>
#include <QPalette>

// The system's window colour when its window-text colour is not black (a
// dark or coloured theme), else its button-face colour.
QColor UnschemedWindowColor(const QPalette& system);

// Gives a list or edit control its parent's colour and font.
class QWidget;
void TakeParentColours(QWidget& control);
