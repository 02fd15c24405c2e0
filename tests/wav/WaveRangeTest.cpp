// SaveWaveRange: a frame range of a file as a new file, written from views of
// the source a few MiB at a time; the same bytes wherever the views fall, and
// no file at all when a view or a write comes up short.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "TestWav.h"
#include "WavFile.h"
#include "WaveRange.h"

TEST(WaveRange, ARangeFromAnOddFrameAcrossSeveralViewsIsCopiedByteForByteOrNotAtAll)
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

    EXPECT_EQ(SaveWaveRange(source, *layout, first, end, dir.file("part.wav")), "");
    EXPECT_EQ(ReadFileBytes(dir.file("part.wav")), part.build());

    // The second view shown one byte short, then the third write short.
    FileFaults::failRead = 2;
    EXPECT_NE(SaveWaveRange(source, *layout, first, end, dir.file("short view.wav")), "");
    FileFaults::reset();
    FileFaults::failWrite = 3;
    EXPECT_NE(SaveWaveRange(source, *layout, first, end, dir.file("short write.wav")), "");
    FileFaults::reset();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);  // in.wav, part.wav
}
