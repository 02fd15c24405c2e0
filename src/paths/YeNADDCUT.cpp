#include "YeNADDCUT.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsSeparatorByte(char c) { return c == '/' || c == '\\'; }

// The number of lead bytes directly before position `end`, counting backwards
// and stopping at the first byte that is not one.
size_t LeadBytesBefore(const std::string& s, size_t end)
{
    size_t k = 0;
    while (k < end && IsLeadByte(static_cast<unsigned char>(s[end - 1 - k]))) ++k;
    return k;
}

// True when the last byte is a separator: a '/', or a backslash that is not
// the second byte of a CP932 character (an even run of lead bytes before it).
bool EndsWithSeparator(const std::string& s)
{
    if (s.empty()) return false;
    const char last = s.back();
    if (last == '/') return true;
    return last == '\\' && LeadBytesBefore(s, s.size() - 1) % 2 == 0;
}

// Calls onSeparator(index) for every separator of the path, walking forwards
// and keeping each CP932 character (lead byte and the byte after it) whole.
template <class OnSeparator>
void WalkSeparators(const std::string& s, OnSeparator onSeparator)
{
    for (size_t i = 0; i < s.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() && s[i + 1] != '/') {
            ++i;
            continue;
        }
        if (IsSeparatorByte(s[i])) onSeparator(i);
    }
}

bool HasDrivePrefix(const std::string& s)
{
    return s.size() >= 2 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':';
}

// The separator that the path itself uses: its last one, a backslash for a
// drive path without any, else the native one.
char SeparatorStyleOf(const std::string& path)
{
    char style = HasDrivePrefix(path) ? '\\' : NativeSeparator;
    WalkSeparators(path, [&](size_t i) { style = path[i]; });
    return style;
}

std::string FullPath(const std::string& path)
{
    std::error_code ec;
    const fs::path full = fs::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The name of the sub-folder of `folder` that matches `name` without regard to
// letter case; the first in name order when several do.
std::optional<std::string> FindFolderIgnoringCase(const std::string& folder, const std::string& name)
{
    std::optional<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        const std::string entry = it->path().filename().string();
        if (EqualsIgnoringCase(entry, name) && it->is_directory(typeError) && (!found || entry < *found))
            found = entry;
    }
    return found;
}

std::string JoinLevel(const std::string& base, const std::string& name)
{
    return base.empty() ? name : YenAdd(base) + name;
}

}  // namespace

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

bool IsRootPath(const std::string& path)
{
    if (path.size() == 1) return IsSeparatorByte(path[0]);
    return path.size() == 3 && HasDrivePrefix(path) && IsSeparatorByte(path[2]);
}

std::string YenCut(const std::string& path)
{
    if (!EndsWithSeparator(path) || IsRootPath(path)) return path;
    return path.substr(0, path.size() - 1);
}

std::string YenAdd(const std::string& path)
{
    if (path.empty() || EndsWithSeparator(path)) return path;
    return path + SeparatorStyleOf(path);
}

std::vector<std::string> SplitFolderPath(const std::string& path)
{
    std::vector<std::string> levels;
    if (!path.empty() && path[0] == '"') return levels;
    const std::string s = YenAdd(path);
    size_t start = 0;
    WalkSeparators(s, [&](size_t i) {
        levels.push_back(s.substr(start, i + 1 - start));
        start = i + 1;
    });
    if (start < s.size()) levels.push_back(s.substr(start));
    return levels;
}

std::vector<std::string> SplitFolderNames(const std::string& path)
{
    std::vector<std::string> names = SplitFolderPath(path);
    for (size_t i = 1; i < names.size(); ++i)
        if (EndsWithSeparator(names[i])) names[i].pop_back();
    return names;
}

bool FolderExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(path, ec);
}

std::vector<std::string> FolderLevels(const std::string& path)
{
    std::vector<std::string> levels;
    std::string accumulated;
    for (const std::string& level : SplitFolderPath(path)) {
        accumulated += level;
        levels.push_back(YenCut(accumulated));
    }
    return levels;
}

bool MakeFolder(const std::string& path)
{
    if (path.empty()) return false;
    const std::vector<std::string> levels = FolderLevels(FullPath(path));
    size_t firstMissing = levels.size();
    while (firstMissing > 0 && !FolderExists(levels[firstMissing - 1])) --firstMissing;
    for (size_t i = firstMissing; i < levels.size(); ++i) {
        std::error_code ec;
        fs::create_directory(levels[i], ec);
        if (!FolderExists(levels[i])) return false;
    }
    return !levels.empty();
}

bool ResolveFolderPath(std::string& path)
{
    if (path.empty()) return false;
    if (FolderExists(path)) return true;
    const std::vector<std::string> names = SplitFolderNames(path);
    std::string resolved;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i == 0 && IsRootPath(names[0])) {
            resolved = names[0];
            continue;
        }
        const std::string name = i == 0 ? YenCut(names[0]) : names[i];
        if (name.empty()) continue;
        std::string next = JoinLevel(resolved, name);
        if (!FolderExists(next)) {
            const std::optional<std::string> found = FindFolderIgnoringCase(resolved, name);
            if (!found) return false;
            next = JoinLevel(resolved, *found);
        }
        resolved = next;
    }
    if (resolved.empty()) return false;
    path = EndsWithSeparator(path) ? YenAdd(resolved) : resolved;
    return true;
}
