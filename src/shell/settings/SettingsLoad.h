#pragma once
// Reading the settings key at start-up, in two stages: stage A while the main
// window is created (window position and the six output folders), stage B on
// the start-up timer (every other value). Neither creates the key.
#include <QSize>
#include <QStringList>

#include "SettingsStore.h"
#include "SettingsValues.h"
#include "WorkArea.h"

// Where the main window is about to open.
struct WindowGeometry {
    QSize window;  // its first size
    QSize screen;
    WorkAreaRect workArea;
};

// The installation state read at process start: Version, 255 when unset or
// not decimal.
int StoredVersion(const SettingsStore& store);

// Stage A: the window's size FS and position FP held inside the work area
// and the splitters' sizes FSPLIT (a malformed text is dropped), then
// SAVE_DIR (which may change the current directory), then the five batch
// output folders in order.
// BatchFoldersSet() tells afterwards whether the first-run prompt must ask.
void LoadStageA(const SettingsStore& store, SettingsValues& values, const WindowGeometry& geometry);

// The values stage B reads, in the order it reads them (Group last).
const QStringList& StageBValueNames();

// Stage B: every value of StageBValueNames() from its stored text (defaults
// for missing or malformed ones), then: an unset CPath becomes the default
// browser folder, MCUTF_G outside 0-3 becomes 0, TSNo outside 0-5 becomes 0,
// and TALVO_COLOR wins over BackColor.
void LoadStageB(const SettingsStore& store, SettingsValues& values);
