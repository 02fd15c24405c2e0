#pragma once
#include <string>

#include "DataRange.h"

// Appends the source's samples to the end of the target's data, in place.
void WavAppend(const std::string& sourceFileName, const std::string& targetFileName,
               std::string& ErrorText);

// The same with only the samples in `range` of the source's data.
void WavAppendRange(const std::string& sourceFileName, const std::string& targetFileName, const DataRange& range,
                    std::string& ErrorText);
