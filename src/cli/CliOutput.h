#pragma once
// What vantro-wav prints: texts as raw UTF-8 bytes, one line each.
#include <cstdio>
#include <string>

#include "WavInfo.h"

// Writes the text's bytes as they are, then one line feed.
void PrintLine(std::FILE* out, const std::string& text);

// One Name=value line per field of the record, in the record's order.
void PrintWavInfo(std::FILE* out, const WavInfoRecord& info);
