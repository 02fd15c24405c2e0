#pragma once
#include <string>

#include "DataRange.h"

// Writes target as the source's header and all of its samples, normalised.
void CopyWav(const std::string& sourceFileName, const std::string& targetFileName,
             std::string& ErrorText);

// The same with only the samples in `range` of the source's data.
void CopyWavRange(const std::string& sourceFileName, const std::string& targetFileName, const DataRange& range,
                  std::string& ErrorText);
