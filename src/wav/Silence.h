#pragma once
// Silence before and after a file's sound.
#include <cstdint>
#include <string>

#include "WavHead.h"

// Creates (or replaces) target as the source's header followed by head
// silence only; the caller appends the source's samples with WavAppend.
void AddHeadSilence(const std::string& sourceFileName, const std::string& targetFileName,
                    int32_t seconds, int32_t tenths, std::string& ErrorText);

// Appends silence behind the data of a file, in place.
void AddTailSilence(const std::string& fileName, int32_t seconds, int32_t tenths,
                    std::string& ErrorText);

// Silence bytes for s seconds and t tenths of a format; whole frames only.
int64_t SilenceBytes(int64_t sampleRate, int64_t blockAlign, int64_t seconds, int64_t tenths);

// The byte silence is made of: unsigned 8-bit samples rest at their midpoint,
// wider signed ones at zero.
inline uint8_t SilentByte(const WavHead& head) { return head.bytesPerSample() == 1 ? 0x80 : 0x00; }
