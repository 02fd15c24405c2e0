#pragma once
// The time files of a cut file, both in the program folder and named after
// the save base: SaveBase + ".QDX" (the registered times, one per line) and
// SaveBase + ".STA" (their colour codes, an empty line for none). The file
// I/O itself (CP932, CR LF) belongs to the caller; this is their content.
#include <string>
#include <vector>

#include "RegisteredTimes.h"

struct TimeFilePaths {
    std::string qdx;
    std::string sta;
};
// programFolder ends in a separator.
TimeFilePaths TimeFilesOf(const std::string& programFolder, const std::string& SaveBase);

// True when a save base typed by the user can name files in a folder: not
// empty, not "." or "..", and without a path separator ('/' or '\').
bool UsableSaveBase(const std::string& base);

// The registered times of the two files' lines. Lines may still carry a CR
// or LF; blank lines and lines that are no entry text are left out of the
// times, together with the code line of the same place.
RegisteredTimes ReadTimeFiles(const std::vector<std::string>& qdxLines, const std::vector<std::string>& staLines);

// The lines to write: the times in list order and their codes.
std::vector<std::string> QdxLines(const RegisteredTimes& times);
std::vector<std::string> StaLines(const RegisteredTimes& times);
