#pragma once
// Where the main window opens: centred on the screen by default, or at the
// stored FP ("Left,Top"), then held inside the desktop work area.
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

#include "WorkArea.h"

// Left and Top that centre the window on the screen (halves rounded toward zero).
QPoint CentredWindowPosition(QSize screen, QSize window);

// Left and Top of an FP text: the numbers before and after the first comma;
// none for a text without a comma or with a side that is not decimal.
std::optional<QPoint> ParseWindowPosition(const QString& text);
// The FP text of a position, "57,90".
QString WindowPositionText(QPoint position);

// The position moved so the window's right and bottom edges stay inside the
// work area, then its left and top edges; the left and top win when the
// window is larger than the work area.
QPoint ClampToWorkArea(QPoint position, QSize window, const WorkAreaRect& workArea);

// The opening position: the stored FP, or centred when FP is unset or not
// two decimal numbers, held inside the work area.
QPoint PlaceWindow(const QString& storedFP, QSize window, QSize screen, const WorkAreaRect& workArea);
