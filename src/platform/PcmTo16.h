#pragma once
// Converts interleaved PCM frames of 8, 16, 24 or 32 bits to signed 16-bit
// frames with at most two channels (the first two of a wider file), the
// format every audio output takes.
#include <cstdint>

#include "WaveRange.h"

int OutputChannels(const WaveLayout& layout);
// `in` holds `frames` frames of the source; `out` takes frames x OutputChannels.
void ConvertToInt16(const char* in, uint64_t frames, const WaveLayout& layout, int16_t* out);
