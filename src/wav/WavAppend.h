#pragma once
#include <string>

// Appends the source's samples to the end of the target's data, in place.
void WavAppend(const std::string& sourceFileName, const std::string& targetFileName,
               std::string& ErrorText);
