#include "FolderList.h"

#include <QString>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "YeNADDCUT.h"

namespace fs = std::filesystem;

std::vector<std::string> FolderListEntries(const std::string& folder, const std::vector<std::string>& subfolders)
{
    std::vector<std::string> entries = SplitFolderNames(YenCut(folder));
    entries.insert(entries.end(), subfolders.begin(), subfolders.end());
    return entries;
}

std::string FolderOfEntry(const std::string& folder, const std::vector<std::string>& entries, int index)
{
    if (index < 0 || index >= static_cast<int>(entries.size())) return {};
    const std::string current = YenCut(folder);
    const std::vector<std::string> levels = FolderLevels(current);
    if (index < static_cast<int>(levels.size())) return levels[index];
    return YenAdd(current) + entries[index];
}

std::vector<std::string> Subfolders(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(YenCut(folder), ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return QString::localeAwareCompare(QString::fromStdString(a), QString::fromStdString(b)) < 0;
    });
    return names;
}

int DriveIndexOf(const std::vector<std::string>& driveRoots, const std::string& folder)
{
    const std::string path = YenAdd(YenCut(folder));
    int best = -1;
    for (int i = 0; i < static_cast<int>(driveRoots.size()); ++i) {
        const std::string root = YenAdd(driveRoots[i]);
        const bool holds = path.compare(0, root.size(), root) == 0;
        if (holds && (best < 0 || root.size() > YenAdd(driveRoots[best]).size())) best = i;
    }
    return best;
}
