#pragma once
// The entries of one folder with the details the file list shows, read in
// one pass. Each name is offered first; only the names taken are looked at
// further, so a folder of many other files costs little more than reading
// its names.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct FolderEntry {
    std::string_view name;  // valid during the call only
    bool directory = false;
    bool regular = false;
    int64_t size = 0;  // of a regular file, else 0
    std::chrono::system_clock::time_point modified;
    // The owner may write it, and so may this process: a file whose owner
    // may not write it counts as read-only even for a user (such as root)
    // whom the system would still let write it.
    bool writable = false;
};

// Calls `take` for each entry of `folder` (not "." or "..") whose name
// `wanted` accepts and whose details can be read, right after `wanted`
// accepted it; links are followed. False when the folder cannot be read.
bool ReadFolderEntries(const std::string& folder, const std::function<bool(std::string_view name)>& wanted,
                       const std::function<void(const FolderEntry&)>& take);
