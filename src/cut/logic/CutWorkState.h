#pragma once
// The file in work on the cut face: one plain object that the cut face's
// widgets share by reference. The length itself is MediaState's CutLength;
// `format` is made from it whenever a file is chosen or MO_FUN changes.
#include <array>
#include <cstdint>
#include <string>

#include "ColourCodes.h"
#include "RegisteredTimes.h"
#include "TimeFormat.h"

struct CutWorkState {
    std::string CutFile;             // full path of the chosen cut file
    std::string SaveBase;            // names the parts and the time files
    std::string SaveExt = ".wav";    // the cut file's extension as written, with the dot
    TimeFormat format;               // LenDigits, MinDigits, MO_FUN of the file in work
    RegisteredTimes registered;      // ListBox_C and StartList
    int StartColour = 0;             // PTS: code of new registrations (0..6)
    int RenzokuColour = 0;           // RENZOKU: 0 every start time, 1..6 one colour
    std::array<std::string, ColourCodeCount> CategoryNames;  // per colour code, for this run only
    int64_t ListInterval = 1000;     // step of ListBox_ALL, ms
};

// Takes a cut file: CutFile, and SaveBase and SaveExt from its name: the name
// without the part from the last "." on, and that part (".wav" when the name
// has no ".").
void SetCutFile(CutWorkState& state, const std::string& path);
