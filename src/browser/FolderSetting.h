#pragma once
// The rules of the folder-setting dialog, without any window: which folder
// values count as unset, the folder the edit box proposes, and setting a
// folder from the edit box's text (expand, find the first missing level, ask
// once, create every missing level). Paths are UTF-8 byte strings.
#include <functional>
#include <optional>
#include <string>

#include "YeNADDCUT.h"

// True for a folder value that means "none chosen": empty, a bare separator
// ("\" or "/") or the never-chosen marker "@@@@@\" (or "@@@@@/").
bool IsUnsetFolder(const std::string& folder);

// The default folder of a setting as the edit box shows it:
// ~/TALVOT32/<name>, without the trailing separator.
std::string DefaultFolderText(const std::string& name);

// The text the edit box starts with: the current folder, or the default
// folder of the setting when the current one is unset.
std::string ProposedFolderText(const std::string& current, const std::string& name);

// The full path of a folder text, with a trailing separator; a relative text
// is taken from the current directory. Empty when it cannot be expanded.
std::string FullFolderPath(const std::string& text);

// The first level of a folder path, from the root down, that does not exist:
// the cumulative path without its trailing separator (a root keeps it). None
// when every level exists.
std::optional<std::string> FirstMissingLevel(
    const std::string& path,
    const std::function<bool(const std::string&)>& exists = FolderExists);

enum class FolderSetOutcome {
    NoText,          // the edit box is empty
    Declined,        // the creation question was not answered Yes
    CreationFailed,  // a missing level could not be created
    Invalid,         // the path came out as a bare separator or empty
    Registered,      // the folder exists and is the result
};

struct FolderSetResult {
    FolderSetOutcome outcome = FolderSetOutcome::NoText;
    std::string folder;  // the full path with its trailing separator
};

// Asked once, with the first missing level, before anything is created;
// true creates that level and every further missing one.
using CreationQuestion = std::function<bool(const std::string& firstMissing)>;

// Sets a folder from the edit box's text.
FolderSetResult SetFolder(const std::string& text, const CreationQuestion& mayCreate);
