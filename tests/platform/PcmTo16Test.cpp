// The conversion to the output's 16-bit frames: every channel as it is, or a
// stereo mix for an output that takes no more than two.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "PcmTo16.h"

namespace {

WaveLayout Layout(uint16_t channels, uint16_t bits)
{
    WaveLayout layout;
    layout.channels = channels;
    layout.bitsPerSample = bits;
    layout.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    layout.sampleRate = 44100;
    return layout;
}

std::vector<int16_t> Convert(const std::vector<int16_t>& frame, uint16_t channels, ChannelRouting routing)
{
    const WaveLayout layout = Layout(channels, 16);
    std::vector<int16_t> out(static_cast<size_t>(OutputChannels(layout, routing)));
    ConvertToInt16(reinterpret_cast<const char*>(frame.data()), 1, layout, routing, out.data());
    return out;
}

TEST(PcmTo16Test, EveryChannelPassesAsItIs)
{
    EXPECT_EQ(Convert({1, 2, 3, 4, 5, 6}, 6, ChannelRouting::AllChannels), (std::vector<int16_t>{1, 2, 3, 4, 5, 6}));
    // A 24-bit sample keeps its top 16 bits; an 8-bit one is centred.
    const unsigned char wide[] = {0x11, 0x34, 0x12, 0xFF, 0x00, 0x80};
    int16_t out[2];
    ConvertToInt16(reinterpret_cast<const char*>(wide), 1, Layout(2, 24), ChannelRouting::AllChannels, out);
    EXPECT_EQ(out[0], 0x1234);
    EXPECT_EQ(out[1], -32768);
    const unsigned char narrow[] = {0x80, 0xFF};
    ConvertToInt16(reinterpret_cast<const char*>(narrow), 1, Layout(2, 8), ChannelRouting::AllChannels, out);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 127 << 8);
}

TEST(PcmTo16Test, StereoMixTakesCentreAndSurroundsAtMinusThreeDecibelsAndDropsTheLfe)
{
    // L R C LFE BL BR
    EXPECT_EQ(Convert({0, 0, 10000, 0, 0, 0}, 6, ChannelRouting::StereoMix), (std::vector<int16_t>{7071, 7071}));
    EXPECT_EQ(Convert({0, 0, 0, 30000, 0, 0}, 6, ChannelRouting::StereoMix), (std::vector<int16_t>{0, 0}));
    EXPECT_EQ(Convert({1000, -1000, 0, 0, 10000, -10000}, 6, ChannelRouting::StereoMix),
              (std::vector<int16_t>{8071, -8071}));
    // Loud channels together are clipped, not wrapped.
    EXPECT_EQ(Convert({30000, -30000, 0, 0, 30000, -30000}, 6, ChannelRouting::StereoMix),
              (std::vector<int16_t>{32767, -32768}));
    // Stereo and mono files are never mixed.
    EXPECT_EQ(Convert({5, 6}, 2, ChannelRouting::StereoMix), (std::vector<int16_t>{5, 6}));
    EXPECT_EQ(Convert({5}, 1, ChannelRouting::StereoMix), (std::vector<int16_t>{5}));
}

}  // namespace
