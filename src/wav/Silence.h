#pragma once
// Silence before and after a file's sound.
#include <cstdint>
#include <string>

// Creates (or replaces) target as the source's header followed by head
// silence only; the caller appends the source's samples with WavAppend.
void AddHeadSilence(const std::string& sourceFileName, const std::string& targetFileName,
                    int32_t seconds, int32_t tenths, std::string& ErrorText);

// Appends silence behind the data of a file, in place.
void AddTailSilence(const std::string& fileName, int32_t seconds, int32_t tenths,
                    std::string& ErrorText);

// Silence bytes for s seconds and t tenths of a format; whole frames only.
int64_t SilenceBytes(int64_t sampleRate, int64_t blockAlign, int64_t seconds, int64_t tenths);
