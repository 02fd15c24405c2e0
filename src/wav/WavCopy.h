#pragma once
#include <string>

// Writes target as the source's header and all of its samples, normalised.
void CopyWav(const std::string& sourceFileName, const std::string& targetFileName,
             std::string& ErrorText);
