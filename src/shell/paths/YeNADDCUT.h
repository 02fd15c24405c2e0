#pragma once
// Folder path helpers: the trailing separator, folder levels, folder creation.
// Paths are byte strings. The native separator is '/', and a backslash
// separates levels too, so that CP932 byte strings with backslashes keep their
// double-byte characters whole (a 0x5C right after a lead byte is half of a
// character, not a separator).
#include <string>
#include <vector>

// True for a CP932 lead byte (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(unsigned char c);

// The path without its trailing separator; a root stays whole.
std::string YenCut(const std::string& path);
// The path with a trailing separator; the empty path stays empty.
std::string YenAdd(const std::string& path);

// The levels of a path, each ending in a separator.
std::vector<std::string> SplitFolderPath(const std::string& path);
// The cumulative folder paths, each passed through YenCut.
std::vector<std::string> FolderLevels(const std::string& path);
// Makes sure a folder and every missing parent exist.
bool MakeFolder(const std::string& path);
// Rewrites a folder path that does not exist as written into an existing one,
// level by level, comparing names without regard to letter case.
bool ResolveFolderPath(std::string& path);
