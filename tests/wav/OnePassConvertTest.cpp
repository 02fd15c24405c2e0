// ConvertInOnePass: one pass writes the very file that head silence, append,
// fades and tail silence write one after the other, for every format, kept
// range, length and load size; a source the steps would meet with a message
// is left to them, with nothing written.
#include <filesystem>

#include "EngineTest.h"
#include "OnePassConvert.h"
#include "TestWav.h"

namespace {

WavSpec Spec(uint16_t channels, uint16_t bits, uint32_t rate, size_t bytes, uint32_t seed)
{
    WavSpec s;
    s.channels = channels;
    s.bits = bits;
    s.sampleRate = rate;
    s.data = NoiseBytes(bytes, seed);
    return s;
}

// Head and tail silence in seconds and tenths, fades in seconds, the kept range.
ConvertShape Shape(int32_t headS, int32_t headT, int64_t fadeIn, int64_t fadeOut, int32_t tailS, int32_t tailT,
                   DataRange kept = {})
{
    ConvertShape s;
    s.headSeconds = headS;
    s.headTenths = headT;
    s.kept = kept;
    s.fadeInSeconds = fadeIn;
    s.fadeOutSeconds = fadeOut;
    s.tailSeconds = tailS;
    s.tailTenths = tailT;
    return s;
}

class OnePassConvertTest : public EngineTest {
protected:
    // Both ways from one source; true when the one pass took it.
    bool bothWays(const WavSpec& spec, const ConvertShape& shape, const std::string& what)
    {
        const std::string source = dir.write("in.wav", spec.build());
        std::filesystem::remove(dir.file("steps.wav"));
        std::filesystem::remove(dir.file("pass.wav"));
        std::string err;
        ConvertStepByStep(source, dir.file("steps.wav"), shape, err);
        const bool taken = ConvertInOnePass(source, dir.file("pass.wav"), shape);
        if (!taken) {
            EXPECT_FALSE(std::filesystem::exists(dir.file("pass.wav"))) << what;
            return false;
        }
        EXPECT_EQ(err, "") << what << ": the one pass took a source the steps refuse";
        EXPECT_EQ(ReadFileBytes(dir.file("pass.wav")), ReadFileBytes(dir.file("steps.wav"))) << what;
        return true;
    }

    TempDir dir;
};

TEST_F(OnePassConvertTest, WritesTheFileOfTheStepsForEveryFormatRangeAndLoad)
{
    WavSpec padded = Spec(2, 24, 48000, 6 * 48000 * 3 + 4, 5);  // a partial frame at the end
    padded.chunksBeforeFmt = {{"JUNK", Bytes(7, 'j')}};
    padded.chunksBetween = {{"LIST", Bytes(13, 'l')}};
    padded.chunksAfter = {{"id3 ", Bytes(9, 'i')}};
    padded.padOddChunks = true;
    WavSpec oddFmt = Spec(1, 16, 22050, 2 * 22050 * 4 + 2, 6);
    oddFmt.fmtExtra = {0, 0, 7};  // an 19-byte fmt chunk, no pad behind it
    const WavSpec sources[] = {
        Spec(2, 16, 44100, 4 * 44100 * 5 + 400, 1),  // 5 s of CD stereo
        Spec(1, 8, 11025, 11025 * 4 + 1, 2),         // 10 ms of 110.25 bytes
        Spec(2, 8, 22050, 2 * 22050 * 3 + 3, 3),     // 220.5 bytes per 10 ms
        Spec(1, 32, 8000, 4 * 8000 * 3, 4),
        padded,
        oddFmt,
    };
    const ConvertShape shapes[] = {
        Shape(1, 5, 2, 2, 0, 3),
        Shape(0, 1, 0, 0, 0, 0),
        Shape(2, 0, 10, 1, 1, 0),  // the fade-in clipped to the sound
        Shape(1, 0, 0, 1, 0, 9, {4 * 441, 6 * 8000 + 3}),
        Shape(0, 3, 1, 5, 0, 0, {8, -1}),
    };
    int taken = 0, cases = 0;
    for (const int64_t buffer : {DefaultWorkBufSize, int64_t{8192}, int64_t{3000}}) {
        WorkBufSize = buffer;
        for (size_t i = 0; i < std::size(sources); ++i)
            for (size_t j = 0; j < std::size(shapes); ++j, ++cases)
                taken += bothWays(sources[i], shapes[j],
                                  "source " + std::to_string(i) + ", shape " + std::to_string(j) + ", buffer " +
                                      std::to_string(buffer));
    }
    // Left to the steps: a range beyond a short source's data, loads of
    // 3,000 bytes, which hold no 40 ms of the faster formats.
    EXPECT_GT(taken, cases / 2) << "the one pass left too much to the steps";
}

TEST_F(OnePassConvertTest, SourcesTheStepsMeetWithAMessageAreLeftToThem)
{
    const ConvertShape shape = Shape(1, 0, 1, 0, 1, 0);
    WavSpec dataFirst = Spec(2, 16, 44100, 44100 * 4 * 2, 7);
    dataFirst.chunksBetween = {{"data", Bytes(8, 0)}};  // a data chunk before the real one is still data
    WavSpec shortFile = Spec(2, 16, 44100, 44100 * 4 * 2, 8);
    shortFile.dataSizeField = 44100 * 4 * 3;  // claims a second more than it holds
    WavSpec noRate = Spec(2, 16, 0, 4000, 9);
    WavSpec mono = Spec(1, 16, 44100, 44100 * 2, 10);
    for (const WavSpec& spec : {shortFile, noRate})
        EXPECT_FALSE(bothWays(spec, shape, "refused"));
    EXPECT_FALSE(bothWays(mono, Shape(0, 0, 1, 1, 1, 0), "no head silence"));
    EXPECT_FALSE(bothWays(mono, Shape(1, 0, 0, 0, 0, 0, {44100 * 4, -1}), "a range beyond the data"));
    bothWays(dataFirst, shape, "two data chunks");
    EXPECT_FALSE(ConvertInOnePass(dir.file("missing.wav"), dir.file("pass.wav"), shape));
}

}  // namespace
