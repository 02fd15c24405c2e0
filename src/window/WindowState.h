#pragma once
// The main window's run state that its faces, the playback procedures and
// the commands share: the start-up completion marker and the one program-wide
// device state with its stop, closing and face flags (AbortFlag, ClosingFlag,
// FileFaceVisible, ...) and the format of the sound last played.
#include "MediaState.h"

// The completion marker once start-up stage B has run to its end.
inline constexpr int StageBComplete = 99;

struct WindowState {
    int completionMarker = 0;   // StageBComplete after stage B; 0 from window creation
    MediaState media;           // the device state and the program-wide flags
};
