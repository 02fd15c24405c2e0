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
};

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
