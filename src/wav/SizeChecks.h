#pragma once
// Guards that a batch runs before it touches any file.
#include <cstdint>
#include <string>

// Makes sure the work buffer can be had, falling back to the small size for
// the rest of the run; false when not even that can be had.
bool CheckWorkBuffer();

// Estimates the conversion's output size and refuses what would pass 4 GiB,
// asks before passing 2 GiB, and refuses when the target's drive lacks room.
void CheckOutputSize(const std::string& sourceFileName, const std::string& targetFileName,
                     std::string& ErrorText, int64_t headSeconds, int64_t headTenths,
                     int64_t tailSeconds, int64_t tailTenths);
