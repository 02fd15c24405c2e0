#pragma once
// The two exclusive colour schemes of the options menu: TALVO_COLOR (a green
// main window with white text) and BackColor (lists and edit boxes in the
// system window colour). Checking one unchecks the other.
#include <QColor>
#include <QPalette>

#include "SettingsValues.h"

// The TALVO_COLOR menu item clicked: toggles it; when it is now checked and
// BackColor is too, BackColor is clicked (and so unchecked).
void ClickTalvoColour(SettingsValues& values);
// The BackColor menu item clicked: toggles it; when it is now checked and
// TALVO_COLOR is too, TALVO_COLOR is clicked (and so unchecked).
void ClickBackColour(SettingsValues& values);
// Both stored as on: TALVO_COLOR wins and BackColor is turned off.
void SettleColourSchemesAtStartUp(SettingsValues& values);

struct WindowColours {
    QColor window;
    QColor font;
    bool operator==(const WindowColours&) const = default;
};

// The main window's colour and font colour: green 0x008000 and white under
// TALVO_COLOR, else the system button face and window text.
WindowColours MainWindowColours(bool talvoColour, const QPalette& system);

// The colour of the lists, edit boxes and combo boxes of both faces (and of
// the folder field of the folder-setting dialog): the system window colour
// under BackColor, else their parent's colour.
QColor ListColour(bool backColour, const QPalette& system, const QColor& parent);
