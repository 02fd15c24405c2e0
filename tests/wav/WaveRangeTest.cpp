// SaveWaveRange: a frame range of a file as a new file, copied inside the
// system or, where that is not to be had, in blocks; the same bytes either way.
#include <gtest/gtest.h>

#include "TestWav.h"
#include "WavFile.h"
#include "WaveRange.h"

TEST(WaveRange, ARangeFromAnOddFrameIsTheSameCopiedInTheSystemOrInBlocks)
{
    TempDir dir;
    WavSpec spec;
    spec.channels = 1;
    spec.bits = 8;
    spec.sampleRate = 8000;
    spec.data = NoiseBytes(3 * 1024 * 1024 + 5, 3);
    spec.chunksAfter = {{"LIST", Bytes(9, 'x')}};
    const std::string source = dir.write("in.wav", spec.build());
    const auto layout = ReadWaveLayout(source);
    ASSERT_TRUE(layout);

    const uint64_t first = 7, end = layout->frameCount - 3;
    WavSpec part = spec;
    part.data = Bytes(spec.data.begin() + first, spec.data.begin() + end);
    part.chunksAfter.clear();
    part.padOddChunks = true;

    EXPECT_EQ(SaveWaveRange(source, *layout, first, end, dir.file("system.wav")), "");
    EXPECT_EQ(ReadFileBytes(dir.file("system.wav")), part.build());
    // An armed seek fault that is never reached keeps the copy in blocks.
    FileFaults::failSeek = 1000;
    EXPECT_EQ(SaveWaveRange(source, *layout, first, end, dir.file("blocks.wav")), "");
    FileFaults::reset();
    EXPECT_EQ(ReadFileBytes(dir.file("blocks.wav")), part.build());
}
