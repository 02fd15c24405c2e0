#pragma once
// The main window's run state that its faces and commands share: the
// start-up and closing markers, the stop flags, the face shown, and the format
// of the sound last played.
#include "DriveReport.h"

// The completion marker once start-up stage B has run to its end.
inline constexpr int StageBComplete = 99;

struct WindowState {
    int completionMarker = 0;   // StageBComplete after stage B; 0 from window creation
    bool closing = false;       // the first close request has begun
    bool playStop = false;      // stop flag of playback
    bool cutStop = false;       // stop flag of cutting
    bool fileFaceShown = true;  // Panel_DFF is the face shown
    DriveReportFormat playFormat;  // 44100 Hz, 16 bits, stereo until a file is played
};
