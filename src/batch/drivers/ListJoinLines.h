#pragma once
// What the lines of a join list say, and where new lines go in it.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One line of a join list: the files it adds to the group and, for an output
// line or a combined line, the output it closes the group into.
struct ListJoinLine {
    std::vector<std::string> files;
    std::optional<std::string> output;  // none for a file line, an empty line or ">" alone
    bool combined = false;  // files and ">" on one line: with no files gathered, it joins nothing
};

// A line not beginning with ">" is one file, the whole line (spaces and all),
// unless a ">" follows its first character: then it is a combined line, whose
// blank-separated words before that ">" are files and whose output is the
// first word after it. A combined line with nothing after its ">" gives
// neither files nor an output, as do an empty line and ">" alone.
ListJoinLine ReadListJoinLine(const std::string& line);

// Where the k-th line (from 0) inserted by one command goes in a list of
// `count` lines with the step `step` (0 to 10): (k + 1) x (step + 1) - 1, or
// the end for step 0; none when that lies beyond the list's end.
std::optional<size_t> InsertionIndex(size_t k, int step, size_t count);

// The next free output name "KL" + four digits + ".wav" in `folder` (with its
// trailing separator), counting on from `counter`: a name that exists as a
// file or stands as an output line of `lines` is passed over. None when all
// 10,000 are taken; `counter` is left behind the name given.
std::optional<std::string> NextListJoinName(const std::string& folder, int& counter,
                                            const std::vector<std::string>& lines);

// What to tell the user when NextListJoinName finds none: the folder and the
// names that are all taken.
std::string ListJoinNamesTaken(const std::string& folder);
