#pragma once
// The batch rename: each rename line (">" + a new name) renames the file of
// the last file line above it, inside that file's own folder, never onto an
// existing file.
#include <optional>
#include <string>
#include <vector>

#include "RunHooks.h"

struct RenameResult {
    bool started = false;  // false when the work buffer could not be had
    int renamed = 0;
    int refused = 0;       // rename lines whose move was refused or skipped
    bool stopped = false;
};

// Moves `from` to `to` only when nothing has that name: true when moved.
bool MoveNoReplace(const std::string& from, const std::string& to);

// The run over the list's lines; each new path goes to hooks.log. The list
// itself is not changed.
RenameResult RenameBatch(const std::vector<std::string>& lines, const RunHooks& hooks);

// The next free name "RN" + four digits + ".wav" in `folder` (with its
// trailing separator), counting on from `counter`; none when all are taken.
std::optional<std::string> NextRenameName(const std::string& folder, int& counter);
