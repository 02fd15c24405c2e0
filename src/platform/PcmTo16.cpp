#include "PcmTo16.h"

#include <algorithm>

namespace {

// The top 16 bits of one sample; 8-bit samples are unsigned, the rest signed.
int16_t SampleTo16(const unsigned char* s, int bits)
{
    switch (bits) {
    case 8: return static_cast<int16_t>((s[0] - 128) << 8);
    case 16: return static_cast<int16_t>(s[0] | (s[1] << 8));
    case 24: return static_cast<int16_t>(s[1] | (s[2] << 8));
    default: return static_cast<int16_t>(s[2] | (s[3] << 8));
    }
}

}  // namespace

int OutputChannels(const WaveLayout& layout) { return std::min<int>(layout.channels, 2); }

void ConvertToInt16(const char* in, uint64_t frames, const WaveLayout& layout, int16_t* out)
{
    const int bytes = layout.bitsPerSample / 8;
    const int channels = OutputChannels(layout);
    const auto* frame = reinterpret_cast<const unsigned char*>(in);
    for (uint64_t f = 0; f < frames; ++f, frame += layout.blockAlign)
        for (int c = 0; c < channels; ++c) *out++ = SampleTo16(frame + c * bytes, layout.bitsPerSample);
}
