#pragma once
#include <string>

// Writes one channel of a stereo file as a new mono file (left when `left`).
void WavSplitChannel(const std::string& sourceFileName, const std::string& targetFileName,
                     bool left, std::string& ErrorText);

// Writes a copy of a stereo file with left and right exchanged.
void WavSwapChannels(const std::string& sourceFileName, const std::string& targetFileName,
                     std::string& ErrorText);
