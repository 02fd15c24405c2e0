#pragma once
// Converts interleaved PCM frames of 8, 16, 24 or 32 bits to signed 16-bit
// frames for the sound output: every channel as it is (the sound server
// places and remixes them), or, for an output that takes no more than two,
// a stereo mix of a wider file.
#include <cstdint>

#include "WaveRange.h"

enum class ChannelRouting {
    AllChannels,  // every channel of the file, in its order
    StereoMix,    // left and right: centre and surrounds at -3 dB, LFE dropped
};

int OutputChannels(const WaveLayout& layout, ChannelRouting routing);
// `in` holds `frames` frames of the source; `out` takes frames x OutputChannels.
void ConvertToInt16(const char* in, uint64_t frames, const WaveLayout& layout, ChannelRouting routing, int16_t* out);
