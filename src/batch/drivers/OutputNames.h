#pragma once
// Names of batch outputs: never an existing file, never the source itself.
// A name is tested in the exact form it will be written in (extension in
// lower case), since the file system may tell "Y.WAV" from "Y.wav".
#include <functional>
#include <optional>
#include <string>

// The name with its extension in lower case: "/o/Y.WAV" -> "/o/Y.wav".
std::string LowerCaseExtension(const std::string& path);

// True when something (a file, a folder, even a dangling link) has that name.
bool NameTaken(const std::string& path);

// A free numbered name in the folder: stem + suffix + n in `digits` digits
// (from 0) + extension, the first that is free; none when all are taken.
std::optional<std::string> NumberedName(const std::string& folder, const std::string& stem,
                                        const std::string& suffix, int digits, const std::string& extension);

// The same search counting on from `counter`, passing over names that
// `alsoTaken` rejects too; `counter` is left behind the name given (at
// 10^digits when none is free).
std::optional<std::string> NextNumberedName(const std::string& folder, const std::string& stem, int digits,
                                            const std::string& extension, int& counter,
                                            const std::function<bool(const std::string&)>& alsoTaken = {});

// The pattern of those names for messages: "a_m000.wav～a_m999.wav".
std::string NumberedPattern(const std::string& stem, const std::string& suffix, int digits,
                            const std::string& extension);

// The output of a source in a folder: the source's name with its extension in
// lower case when that is free, else the first free stem + "_m" + three digits
// + ".wav"; none when all thousand are taken.
std::optional<std::string> ConvertOutputName(const std::string& folder, const std::string& source);
