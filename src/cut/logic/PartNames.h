#pragma once
// The names of the parts a cut writes: SaveDir + NamePrefix + part time
// + ("_" + category name) + SaveExt, where NamePrefix is the same for all
// parts of one command.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "OutputPublish.h"
#include "TimeFormat.h"

// Long form: SaveBase + "_yymmdd_hhmmss_" of the local time `now`.
std::string LongNamePrefix(const std::string& SaveBase, std::chrono::system_clock::time_point now);

// Short form: SaveBase + "_" while no file (anything but a folder) in SaveDir
// matches SaveBase + "_*.wav", else SaveBase + "_c" + NNN + "_" for the first
// NNN from 000 to 999 that no file matches as SaveBase + "_cNNN_*.wav".
// Matching ignores case. When all thousand counters are taken, the long form
// of `now` is used instead, so the parts still get names of their own.
std::string ShortNamePrefix(const std::string& SaveDir, const std::string& SaveBase,
                            std::chrono::system_clock::time_point now);

// NamePrefix of one cut command: the short form when `shortNames` (AUTO_NAME).
std::string NamePrefix(const std::string& SaveDir, const std::string& SaveBase, bool shortNames,
                       std::chrono::system_clock::time_point now);

// The part time: the entry text of CutFrom with "m" in place of "."
// ("060000", or "1m00000" in minutes form).
std::string PartTimeText(int64_t CutFrom, const TimeFormat& format);

// "_" + name, or "" for an empty name.
std::string CategorySuffix(const std::string& categoryName);

// The full path of a part. SaveDir ends in a separator.
std::string PartName(const std::string& SaveDir, const std::string& prefix, int64_t CutFrom,
                     const TimeFormat& format, const std::string& categoryName, const std::string& SaveExt);

// A part never replaces an existing file: the name itself while nothing
// stands under it, else the first free name + "_m000" ... "_m999" before the
// extension ("a_000000_m000.wav"); none when all are taken (the part is then
// reported and not written).
std::optional<std::string> FreePartName(const std::string& path);

// The names a part may take as it is saved: its own name while nothing
// stands under it, else the first free name + "_m000" ... "_m999" before the
// extension, tried at the moment the finished part takes its name.
OutputNaming PartNaming(const std::string& path);
