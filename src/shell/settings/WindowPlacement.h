#pragma once
// Where the main window opens and how large: centred on the screen by
// default, or at the stored FP ("Left,Top"), at its first size or the stored
// FS ("Width,Height"), then held inside the desktop work area. FSPLIT keeps
// the sizes of the file face's splitters.
#include <QList>
#include <QMargins>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

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

// Width and Height of an FS text: two positive decimal numbers separated by
// a comma; none for any other text.
std::optional<QSize> ParseWindowSize(const QString& text);
// The FS text of a size, "980,600"; empty for a size that is not valid.
QString WindowSizeText(QSize size);

// The size held inside the work area: a side longer than the work area's
// takes the work area's length.
QSize ClampSizeToWorkArea(QSize window, const WorkAreaRect& workArea);

// The opening size: the stored FS, or `firstSize` when FS is unset or not
// two positive numbers, held inside the work area.
QSize SizeWindow(const QString& storedFS, QSize firstSize, const WorkAreaRect& workArea);

// A window's place as the frame sees it: the frame's top left and the size
// of the client area inside the frame.
struct FramedPlacement {
    QPoint position;
    QSize client;
    bool operator==(const FramedPlacement&) const = default;
};

// The place held inside the work area with the frame's margins counted in:
// the framed size is held inside first (the client gives up what the frame
// takes), then the framed window's edges are held inside as for FP.
FramedPlacement FitFramedWindow(QPoint position, QSize client, QMargins frame, const WorkAreaRect& workArea);

// FSPLIT: the sizes of each splitter, splitters separated by ";" and sizes by
// ",", e.g. "620,310;360,240". Parsing gives nothing for a text that is not
// that form (a size that is not a decimal number of 0 or more, a splitter
// whose sizes are all 0).
std::optional<std::vector<QList<int>>> ParseSplitterSizes(const QString& text);
QString SplitterSizesText(const std::vector<QList<int>>& sizes);
