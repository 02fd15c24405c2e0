#pragma once
#include <string>

// Writes a copy of a file whose 18-byte `fmt ` chunk becomes 16 bytes.
void WavFmt18To16(const std::string& sourceFileName, const std::string& targetFileName,
                  std::string& ErrorText);
