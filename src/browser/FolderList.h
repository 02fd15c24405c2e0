#pragma once
// The folder list ListBox1 without its window: the levels of the current
// folder from the root down, then its subfolders, and the folder each entry
// leads to. Paths are UTF-8 byte strings.
#include <string>
#include <vector>

// The entries: the root, each folder name down to `folder`, then `subfolders`.
std::vector<std::string> FolderListEntries(const std::string& folder, const std::vector<std::string>& subfolders);
// The folder an entry leads to: an entry at or above the current folder's
// depth gives that level's path, a subfolder entry the current folder joined
// to its name. Empty for an index outside the entries.
std::string FolderOfEntry(const std::string& folder, const std::vector<std::string>& entries, int index);
// The names of the folders inside a folder, in locale-aware order; empty
// when it cannot be read.
std::vector<std::string> Subfolders(const std::string& folder);
// The root of a path's volume among the drives' mount points: the longest
// one that holds it; -1 when none does.
int DriveIndexOf(const std::vector<std::string>& driveRoots, const std::string& folder);
