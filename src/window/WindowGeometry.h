#pragma once
// The main window's size, position and splitters between runs: what stage A
// needs to know of the window, the stored values applied to it, and its
// state taken for the save at closing.
#include "SettingsLoad.h"
#include "SettingsSave.h"
#include "SettingsValues.h"

class TTALVO_VANTRO;

// The window about to open: its first size, the screen and the work area.
WindowGeometry OpeningGeometry(const TTALVO_VANTRO& window);

// Gives the window its size FS and position FP. When the window is first
// shown the file face's splitters take their sizes FSPLIT (their first sizes
// when it is empty or does not match them), and once its frame is known the
// framed window is held inside the work area.
void ApplyWindowGeometry(TTALVO_VANTRO& window, const SettingsValues& values);

// The window's position, size and splitter sizes for the save.
void TakeWindowGeometry(const TTALVO_VANTRO& window, ShutdownControls& controls);
