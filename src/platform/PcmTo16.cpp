#include "PcmTo16.h"

#include <algorithm>
#include <array>
#include <cmath>

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

// What one source channel adds to the left and to the right of the mix.
struct MixWeight {
    float left, right;
};

constexpr float Full = 1.0f;
const float Half = static_cast<float>(std::sqrt(0.5));  // -3 dB

// The weights of each channel of a file of `channels` channels, taking the
// usual speaker order of WAV files for that count:
//   3 L R C, 4 L R BL BR, 5 L R C BL BR, 6 L R C LFE BL BR,
//   7 L R C LFE BC SL SR, 8 L R C LFE BL BR SL SR.
std::array<MixWeight, 8> MixWeights(int channels)
{
    const MixWeight L{Full, 0}, R{0, Full}, C{Half, Half}, LFE{0, 0}, SL{Half, 0}, SR{0, Half};
    switch (channels) {
    case 3: return {L, R, C};
    case 4: return {L, R, SL, SR};
    case 5: return {L, R, C, SL, SR};
    case 6: return {L, R, C, LFE, SL, SR};
    case 7: return {L, R, C, LFE, C, SL, SR};
    default: return {L, R, C, LFE, SL, SR, SL, SR};
    }
}

int16_t Clip16(float v) { return static_cast<int16_t>(std::clamp(std::lround(v), -32768L, 32767L)); }

void MixToStereo(const unsigned char* frame, const WaveLayout& layout, const std::array<MixWeight, 8>& weights,
                 int16_t* out)
{
    const int bytes = layout.bitsPerSample / 8;
    float left = 0, right = 0;
    for (int c = 0; c < layout.channels; ++c) {
        const float s = SampleTo16(frame + c * bytes, layout.bitsPerSample);
        left += weights[static_cast<size_t>(c)].left * s;
        right += weights[static_cast<size_t>(c)].right * s;
    }
    out[0] = Clip16(left);
    out[1] = Clip16(right);
}

bool Mixes(const WaveLayout& layout, ChannelRouting routing)
{
    return routing == ChannelRouting::StereoMix && layout.channels > 2;
}

}  // namespace

int OutputChannels(const WaveLayout& layout, ChannelRouting routing)
{
    return Mixes(layout, routing) ? 2 : layout.channels;
}

void ConvertToInt16(const char* in, uint64_t frames, const WaveLayout& layout, ChannelRouting routing, int16_t* out)
{
    const auto* frame = reinterpret_cast<const unsigned char*>(in);
    if (Mixes(layout, routing)) {
        const auto weights = MixWeights(layout.channels);
        for (uint64_t f = 0; f < frames; ++f, frame += layout.blockAlign, out += 2)
            MixToStereo(frame, layout, weights, out);
        return;
    }
    const int bytes = layout.bitsPerSample / 8;
    for (uint64_t f = 0; f < frames; ++f, frame += layout.blockAlign)
        for (int c = 0; c < layout.channels; ++c) *out++ = SampleTo16(frame + c * bytes, layout.bitsPerSample);
}
