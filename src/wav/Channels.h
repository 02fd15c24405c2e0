#pragma once
#include <string>

// Writes one channel of a stereo file as a new mono file (left when `left`).
void WavSplitChannel(const std::string& sourceFileName, const std::string& targetFileName,
                     bool left, std::string& ErrorText);

// Writes both channels of a stereo file as new mono files in one pass over its
// samples, the same files WavSplitChannel writes for each. An empty name
// leaves that channel out; each channel has its own error text.
void WavSplitChannels(const std::string& sourceFileName, const std::string& leftFileName,
                      const std::string& rightFileName, std::string& leftError, std::string& rightError);

// Writes a copy of a stereo file with left and right exchanged.
void WavSwapChannels(const std::string& sourceFileName, const std::string& targetFileName,
                     std::string& ErrorText);
