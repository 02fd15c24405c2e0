#pragma once
// The batch rename: each rename line (">" + a new name) renames the file of
// the last file line above it, inside that file's own folder, never onto an
// existing file.
#include <optional>
#include <string>
#include <vector>

#include "OutputDraft.h"
#include "RunHooks.h"

struct RenameResult {
    bool started = false;  // false when the work buffer could not be had
    int renamed = 0;
    int refused = 0;       // rename lines whose move was refused or skipped
    bool stopped = false;
};


// The run over the list's lines; each new path goes to hooks.log. A line not
// beginning with ">" names a file (an empty line names none); a rename line
// renames the last file named since the previous rename line to the name part
// of its text (after its last "/" or "\"), in that file's own folder. A move
// the system refuses, and a name part that is empty, "." or "..", is skipped
// without a message. The list itself is not changed.
RenameResult RenameBatch(const std::vector<std::string>& lines, const RunHooks& hooks);

// The next free name "RN" + four digits + ".wav" in `folder` (with its
// trailing separator), counting on from `counter`; none when all are taken.
std::optional<std::string> NextRenameName(const std::string& folder, int& counter);

// What to tell the user when NextRenameName finds none: the folder and the
// names that are all taken.
std::string RenameNamesTaken(const std::string& folder);
