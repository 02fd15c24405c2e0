#include "FolderSetting.h"

#include <filesystem>
#include <system_error>

#include "Folders.h"

namespace fs = std::filesystem;

bool IsUnsetFolder(const std::string& folder)
{
    return folder.empty() || folder == "\\" || folder == "/" || folder == "@@@@@\\" || folder == "@@@@@/";
}

std::string DefaultFolderText(const std::string& name)
{
    return YenCut(DefaultOutputFolder(name));
}

std::string ProposedFolderText(const std::string& current, const std::string& name)
{
    return IsUnsetFolder(current) ? DefaultFolderText(name) : current;
}

std::string FullFolderPath(const std::string& text)
{
    if (text.empty()) return {};
    std::error_code ec;
    const fs::path full = fs::absolute(text, ec);
    if (ec) return {};
    return YenAdd(full.lexically_normal().string());
}

std::optional<std::string> FirstMissingLevel(const std::string& path,
                                             const std::function<bool(const std::string&)>& exists)
{
    for (const std::string& level : FolderLevels(path)) {
        if (!exists(level)) return level;
    }
    return std::nullopt;
}

FolderSetResult SetFolder(const std::string& text, const CreationQuestion& mayCreate)
{
    if (text.empty()) return {FolderSetOutcome::NoText, {}};
    const std::string full = FullFolderPath(text);
    if (IsUnsetFolder(full)) return {FolderSetOutcome::Invalid, full};
    if (const std::optional<std::string> missing = FirstMissingLevel(full)) {
        if (!mayCreate(*missing)) return {FolderSetOutcome::Declined, full};
        if (!MakeFolder(full) || !FolderExists(full)) return {FolderSetOutcome::CreationFailed, full};
    }
    return {FolderSetOutcome::Registered, full};
}
