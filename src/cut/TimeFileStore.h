#pragma once
// The time files of a cut file in the program folder: SaveBase + ".QDX"
// holds the registered times, SaveBase + ".STA" their start-time colours.
// Both are text files written whole (see TextFiles.h).
#include <string>

#include "RegisteredTimes.h"

// The registered times stored for a save base; empty when it has none (or
// its files cannot be read).
RegisteredTimes LoadTimeFiles(const std::string& SaveBase);

// Writes the times of the file in work: each file is written when it has
// lines and removed when it has none. Nothing is done for an empty save base.
// False when a file could not be written or removed.
bool SaveTimeFiles(const std::string& SaveBase, const RegisteredTimes& times);

// Writes the times of the file in work when they or their marks differ from
// what its time files hold, so that a save after every change writes only
// what changed. False when a file could not be written or removed.
bool SaveChangedTimeFiles(const std::string& SaveBase, const RegisteredTimes& times);

// Removes both files of a save base, each when it exists.
void DeleteTimeFiles(const std::string& SaveBase);
