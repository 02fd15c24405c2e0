#pragma once
// Folder path helpers: the trailing separator, folder levels, folder creation.
// Paths are byte strings. The native separator is '/', and a backslash
// separates levels too, so that CP932 byte strings with backslashes keep their
// double-byte characters whole (a 0x5C right after a lead byte is half of a
// character, not a separator). A '/' is always a separator: it is never the
// second byte of a CP932 character, nor part of a UTF-8 one.
#include <string>
#include <vector>

#ifdef _WIN32
inline constexpr char NativeSeparator = '\\';
#else
inline constexpr char NativeSeparator = '/';
#endif

// True for a CP932 lead byte (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(unsigned char c);

// True for a root that stays whole: "/", "\" or a drive root such as "C:\".
bool IsRootPath(const std::string& path);

// The path without its trailing separator; a root stays whole, and so does a
// final 0x5C that is the second byte of a CP932 character.
std::string YenCut(const std::string& path);
// The path with a trailing separator; the empty path stays empty. The added
// separator follows the path's own style: a backslash for a path whose last
// separator is one (or a bare drive "C:"), else the native separator.
std::string YenAdd(const std::string& path);

// The levels of a path, each ending in a separator ("/a/b": "/", "a/", "b/";
// "C:\A\B": "C:\", "A\", "B\"). A path that begins with a double quote has
// no levels.
std::vector<std::string> SplitFolderPath(const std::string& path);
// The same levels with the separator dropped from every level but the first
// ("/a/b": "/", "a", "b").
std::vector<std::string> SplitFolderNames(const std::string& path);
// The cumulative folder paths, each passed through YenCut
// ("/a/b": "/", "/a", "/a/b").
std::vector<std::string> FolderLevels(const std::string& path);

// True when the path names an existing folder.
bool FolderExists(const std::string& path);

// Makes sure a folder and every missing parent exist, exactly as written
// (relative paths are taken from the current directory, which is not
// changed). False when the path is empty or a level cannot be created.
bool MakeFolder(const std::string& path);

// For a folder path that does not exist as written, rewrites it level by level
// into an existing folder, taking a level that is missing as written to the
// folder whose name matches it without regard to letter case. True when every
// level was found (the path is then replaced by the rewritten one, keeping its
// trailing separator if it had one); false leaves the path as it was.
bool ResolveFolderPath(std::string& path);
