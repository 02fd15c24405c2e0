#pragma once
// What vantro-wav prints: texts as raw UTF-8 bytes, one line each.
#include <cstdio>
#include <string>
#include <vector>

#include "WavInfo.h"

// Writes the text's bytes as they are, then one line feed.
void PrintLine(std::FILE* out, const std::string& text);

// Writes `lines` (UTF-8, each ended by LF) as the new file `path`: built
// under a temporary name beside it and given its name only when whole, never
// in place of an existing file. False with ErrorText naming the file when a
// file of that name exists or it cannot be written.
bool WriteNewTextFile(const std::string& path, const std::vector<std::string>& lines, std::string& ErrorText);

// One Name=value line per field of the record, in the record's order.
void PrintWavInfo(std::FILE* out, const WavInfoRecord& info);
