// Fade-in and fade-out in place: the gain of every 10 ms step, the clipping of
// the fade lengths, every sample width and channel count, and every failure.
#include "EngineTest.h"
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <cstdint>

#include "EngineHost.h"
#include "Fade.h"
#include "FadeSteps.h"
#include "TestWav.h"
#include "WavFile.h"
#include "WorkBuffers.h"

namespace {

const std::string FadeDefault = "WAVファイル変換に失敗しました・・・F ";
const std::string OpenFailed = "WAVファイルの読み出しに失敗しましたOP・・・";
const std::string ReadFailed = "WAVファイルの読み出しに失敗しました・・・";
const std::string NoData = "データがありません・・・";
const std::string Compressed = "圧縮データは変換できません・・・";
const std::string BadBytesPerSec = "１秒当たりのバイト数が異状です・・・F";
const std::string BadBytesPer40ms = "40ms秒当たりのバイト数が異状です・・・F";
const std::string BadLoad = "総読み込みバイト数が異状です・・・F";
const std::string BadSample = "サンプルが不正です・・・F";
const std::string OffsetIn = "オフセットが範囲外です・・・F_IN";
const std::string LoadReadIn = "読み込みに失敗しました・・・F_IN";
const std::string SeekBackIn = "読み込みに失敗しました2・・・F_IN";
const std::string LoadWriteIn = "書き込みに失敗しました・・・F_IN";
const std::string OffsetOut = "オフセットが範囲外です・・・F_OUT";
const std::string LoadReadOut = "読み込みに失敗しました・・・F_OUT";
const std::string SeekBackOut = "読み込みに失敗しました2・・・F_OUT";
const std::string LoadWriteOut = "書き込みに失敗しました・・・F_OUT";

constexpr size_t DataStart = 44;  // of the files built here: RIFF, WAVE, 16-byte fmt, data header

void PutSample(Bytes& b, size_t at, int width, int64_t v)
{
    if (width == 1) v += 128;
    for (int i = 0; i < width; ++i) b[at + i] = static_cast<uint8_t>(static_cast<uint64_t>(v) >> (8 * i));
}

int64_t GetSample(const Bytes& b, size_t at, int width)
{
    uint64_t u = 0;
    for (int i = 0; i < width; ++i) u |= static_cast<uint64_t>(b[at + i]) << (8 * i);
    if (width == 1) return static_cast<int64_t>(u) - 128;
    const uint64_t sign = uint64_t{1} << (8 * width - 1);
    return static_cast<int64_t>(u ^ sign) - static_cast<int64_t>(sign);
}

// A file of `frames` frames, each holding `frame` (one value per channel).
WavSpec Frames(uint32_t rate, int width, size_t frames, const std::vector<int64_t>& frame)
{
    WavSpec s;
    s.sampleRate = rate;
    s.bits = static_cast<uint16_t>(8 * width);
    s.channels = static_cast<uint16_t>(frame.size());
    const size_t align = frame.size() * width;
    s.data.resize(frames * align);
    for (size_t f = 0; f < frames; ++f)
        for (size_t c = 0; c < frame.size(); ++c) PutSample(s.data, f * align + c * width, width, frame[c]);
    return s;
}

// Sample c of frame f in the file's bytes.
int64_t SampleOf(const Bytes& file, const WavSpec& s, size_t f, size_t c = 0)
{
    const int width = s.bits / 8;
    return GetSample(file, DataStart + f * s.align() + c * width, width);
}

int64_t Gain(int64_t v, int64_t k, int64_t n) { return static_cast<int64_t>(std::nearbyint(double(v) * k / n)); }

class FadeTest : public EngineTest {
protected:
    // Fades a file built of `bytes`; returns ErrorText and leaves the result in `after`.
    std::string fade(const Bytes& bytes, int64_t in, int64_t out, int64_t headSeconds = 0, int64_t headTenths = 0)
    {
        path = dir.write("fade.wav", bytes);
        std::string err = "unchanged";
        FadeInOut(path, err, in, out, headSeconds, headTenths);
        after = ReadFileBytes(path);
        return err;
    }

    TempDir dir;
    std::string path;
    Bytes after;
};

TEST_F(FadeTest, CdAudioFadeInRisesByOneHundredthEvery441Frames)
{
    WavSpec cd = Frames(44100, 2, 88200, {10000, -20000});
    ASSERT_EQ(fade(cd.build(), 1, 0), "");
    for (size_t f = 0; f < 88200; ++f) {
        const int64_t k = std::min<int64_t>(f / 441, 100);
        ASSERT_EQ(SampleOf(after, cd, f, 0), Gain(10000, k, 100)) << "frame " << f;
        ASSERT_EQ(SampleOf(after, cd, f, 1), Gain(-20000, k, 100)) << "frame " << f;
    }
    const Bytes before = cd.build();
    EXPECT_EQ(Bytes(after.begin(), after.begin() + DataStart), Bytes(before.begin(), before.begin() + DataStart));
}

TEST_F(FadeTest, ElevenKilohertzFadeOutStepsOf110And111Bytes)
{
    WavSpec mono8 = Frames(11025, 1, 22050, {127});  // bytes of 255
    const Bytes before = mono8.build();
    ASSERT_EQ(fade(before, 0, 1), "");
    const size_t r = DataStart + 11025;  // the last second
    const auto run = [&](size_t from, size_t to) { return Bytes(after.begin() + from, after.begin() + to); };
    EXPECT_EQ(run(DataStart, r), Bytes(11025, 255));
    EXPECT_EQ(run(r, r + 110), Bytes(110, 128 + 126));        // k = 99
    EXPECT_EQ(run(r + 110, r + 220), Bytes(110, 128 + 124));  // k = 98
    EXPECT_EQ(run(r + 220, r + 331), Bytes(111, 128 + 123));  // k = 97, k mod 4 = 1
    EXPECT_EQ(run(r + 331, r + 441), Bytes(110, 128 + 122));  // k = 96
    const size_t end = after.size();
    EXPECT_EQ(run(end - 221, end - 110), Bytes(111, 128 + 1));  // k = 1
    EXPECT_EQ(run(end - 110, end), Bytes(110, 128));          // k = 0: silent

    // The same fade through loads of two 40 ms blocks: the step index runs on.
    const Bytes wholeLoad = after;
    WorkBufSize = 1000;
    ASSERT_EQ(fade(before, 0, 1), "");
    EXPECT_EQ(after, wholeLoad);
}

TEST_F(FadeTest, ALoadThatEndsInsideAStepEndsThatStep)
{
    // 11,025 Hz 16-bit stereo: 441 bytes per 10 ms, so a step covers 111 frames
    // (444 bytes), and a load of one 40 ms block (441 frames) cuts its fourth step.
    WavSpec s = Frames(11025, 2, 22050, {10000, 10000});
    WorkBufSize = 1764;
    ASSERT_EQ(fade(s.build(), 1, 0), "");
    EXPECT_EQ(SampleOf(after, s, 110), 0);
    EXPECT_EQ(SampleOf(after, s, 111), 100);
    EXPECT_EQ(SampleOf(after, s, 333), 300);
    EXPECT_EQ(SampleOf(after, s, 440), 300);
    EXPECT_EQ(SampleOf(after, s, 441), 400);     // the next load begins step 4
    EXPECT_EQ(SampleOf(after, s, 11024), 9900);  // 25 loads of 4 steps: the fade ends at 1 s
    EXPECT_EQ(SampleOf(after, s, 11025), 10000);
}

TEST_F(FadeTest, FadeLengthsAreClippedToTheSoundBehindTheHeadSilence)
{
    // 1 s of head silence (marked 7 to show it is left alone), then 3.5 s of sound.
    WavSpec s = Frames(8000, 2, 36000, {10000});
    for (size_t f = 0; f < 8000; ++f) PutSample(s.data, 2 * f, 2, 7);
    const Bytes before = s.build();

    ASSERT_EQ(fade(before, 2, 2, 1, 0), "");  // available 3: fade-in 2, fade-out 1
    EXPECT_EQ(SampleOf(after, s, 7999), 7);
    EXPECT_EQ(SampleOf(after, s, 8000), 0);
    EXPECT_EQ(SampleOf(after, s, 23999), 9950);  // k = 199 of 200
    EXPECT_EQ(SampleOf(after, s, 24000), 10000);
    EXPECT_EQ(SampleOf(after, s, 27999), 10000);
    EXPECT_EQ(SampleOf(after, s, 28000), 9900);  // k = 99 of 100
    EXPECT_EQ(SampleOf(after, s, 35999), 0);

    ASSERT_EQ(fade(before, 5, 2, 1, 0), "");  // fade-in 3, fade-out 0
    EXPECT_EQ(SampleOf(after, s, 31999), 9967);  // 299/300
    EXPECT_EQ(SampleOf(after, s, 32000), 10000);
    EXPECT_EQ(SampleOf(after, s, 35999), 10000);
}

TEST_F(FadeTest, HeadTenthsMoveTheFadeInByTheFramesTheSilenceTook)
{
    WavSpec s = Frames(11025, 2, 22050, {7});
    ASSERT_EQ(fade(s.build(), 1, 0, 0, 1), "");  // 0.1 s = 1,102 frames
    EXPECT_EQ(SampleOf(after, s, 1101), 7);
    EXPECT_EQ(SampleOf(after, s, 1102), 0);
}

TEST_F(FadeTest, TooLittleSoundMeansNoFadeAndSuccess)
{
    const Bytes short1 = Frames(8000, 2, 7999, {10000}).build();
    EXPECT_EQ(fade(short1, 1, 1), "");
    EXPECT_EQ(after, short1);

    const Bytes twoSeconds = Frames(8000, 2, 16000, {10000}).build();
    EXPECT_EQ(fade(twoSeconds, 1, 1, 5, 0), "");  // head silence longer than the data
    EXPECT_EQ(after, twoSeconds);
    EXPECT_EQ(fade(twoSeconds, 1, 1, 1, 5), "");  // 0.5 s behind it
    EXPECT_EQ(after, twoSeconds);
    EXPECT_EQ(fade(twoSeconds, -1, -1), "");  // negative lengths count as none
    EXPECT_EQ(after, twoSeconds);
}

TEST_F(FadeTest, ANegativeFadeLengthLeavesTheOtherFade)
{
    WavSpec s = Frames(8000, 2, 16000, {10000});
    ASSERT_EQ(fade(s.build(), -1, 1), "");
    EXPECT_EQ(SampleOf(after, s, 7999), 10000);
    EXPECT_EQ(SampleOf(after, s, 15999), 0);
}

TEST_F(FadeTest, EightBitSamplesAtHalfGainRoundTiesToEven)
{
    WavSpec s;
    s.channels = 1;
    s.sampleRate = 8000;
    s.bits = 8;
    for (size_t i = 0; i < 16000; ++i) s.data.push_back(i % 2 ? 255 : 0);
    ASSERT_EQ(fade(s.build(), 1, 0), "");
    // Step 50 of 100 (80 bytes from byte 4000): 0 -> 64, 255 -> 63.5 -> 64 -> 192.
    for (size_t i = 4000; i < 4080; ++i) ASSERT_EQ(after[DataStart + i], i % 2 ? 192 : 64) << i;
    EXPECT_EQ(after[DataStart + 3999], 128 + Gain(127, 49, 100));
}

TEST_F(FadeTest, EveryChannelOfAFourChannelFileIsFaded)
{
    WavSpec s = Frames(44100, 2, 88200, {1000, -2000, 3000, -4000});
    ASSERT_EQ(fade(s.build(), 1, 1), "");
    const int64_t values[] = {1000, -2000, 3000, -4000};
    for (size_t c = 0; c < 4; ++c) {
        EXPECT_EQ(SampleOf(after, s, 0, c), 0);
        EXPECT_EQ(SampleOf(after, s, 441, c), values[c] / 100);
        EXPECT_EQ(SampleOf(after, s, 44100, c), values[c] * 99 / 100);  // first step of the fade-out
        EXPECT_EQ(SampleOf(after, s, 88199, c), 0);
    }
}

TEST_F(FadeTest, TwentyFourAndThirtyTwoBitSamplesAreScaledWhole)
{
    WavSpec s24 = Frames(44100, 3, 88200, {250, -8388608, 8388607});
    ASSERT_EQ(fade(s24.build(), 1, 0), "");
    EXPECT_EQ(SampleOf(after, s24, 441, 0), 2);  // 2.5 -> 2
    EXPECT_EQ(SampleOf(after, s24, 441, 1), -83886);
    EXPECT_EQ(SampleOf(after, s24, 44099, 0), 248);  // 247.5 -> 248
    EXPECT_EQ(SampleOf(after, s24, 44099, 1), -8304722);
    EXPECT_EQ(SampleOf(after, s24, 44099, 2), 8304721);
    EXPECT_EQ(SampleOf(after, s24, 44100, 1), -8388608);

    WavSpec s32 = Frames(8000, 4, 16000, {2147483647, -2147483648LL});  // 80 frames a step
    ASSERT_EQ(fade(s32.build(), 0, 1), "");
    EXPECT_EQ(SampleOf(after, s32, 7999, 0), 2147483647);
    EXPECT_EQ(SampleOf(after, s32, 8000, 0), 2126008811);  // 99/100
    EXPECT_EQ(SampleOf(after, s32, 8000, 1), -2126008812);
    EXPECT_EQ(SampleOf(after, s32, 15919, 0), 21474836);   // 1/100, the step before the last
    EXPECT_EQ(SampleOf(after, s32, 15919, 1), -21474836);
    EXPECT_EQ(SampleOf(after, s32, 15920, 0), 0);
    EXPECT_EQ(SampleOf(after, s32, 15999, 1), 0);
}

TEST_F(FadeTest, RefusedFilesAreLeftAlone)
{
    WavSpec cd = Frames(44100, 2, 44100, {100, 100});
    const Bytes whole = cd.build();
    WavSpec noData = cd;
    noData.dataSizeField = 0;  // bytes follow, yet the data is empty
    WavSpec compressed = cd;
    compressed.formatTag = 3;
    WavSpec noRate = cd;
    noRate.sampleRate = 0;
    WavSpec slow = Frames(12, 2, 100, {5});  // 24 bytes per second: under one byte per 40 ms
    WavSpec noBits = cd;
    noBits.bits = 0;
    noBits.blockAlign = 4;
    const std::pair<Bytes, std::string> cases[] = {
        {Bytes(whole.begin(), whole.begin() + 45), ReadFailed + "F"},
        {noData.build(), NoData + "F"},
        {compressed.build(), Compressed + "F"},
        {noRate.build(), BadBytesPerSec},
        {slow.build(), BadBytesPer40ms},
        {noBits.build(), BadSample},
    };
    for (const auto& [file, text] : cases) {
        EXPECT_EQ(fade(file, 1, 1), text);
        EXPECT_EQ(after, file) << text;
    }
    WorkBufSize = 7055;  // under one 40 ms block of CD audio
    EXPECT_EQ(fade(whole, 1, 1), BadLoad);
    EXPECT_EQ(after, whole);

    std::string err;
    FadeInOut(dir.file("missing.wav"), err, 1, 1, 0, 0);
    EXPECT_EQ(err, OpenFailed + "F");
}

TEST_F(FadeTest, ShortReadsWritesAndFailedSeeksNameTheirRegionAndLoad)
{
    // Loads of three 40 ms blocks: each 1 s region is 8 full loads and a rest.
    const Bytes cd = Frames(44100, 2, 88200, {100, 100}).build();
    struct Fault {
        int64_t* counter;
        int nth;
        std::string text;
    };
    const Fault faults[] = {
        // Reads: head 1, data walk 2-3, fade-in 4-12, fade-out 13-21.
        {&FileFaults::failRead, 4, LoadReadIn},
        {&FileFaults::failRead, 21, LoadReadOut + "_A"},
        // Seeks: data walk 1-2, the file's end 3, fade-in start 4, back 5-13,
        // fade-out start 14, back 15-23.
        {&FileFaults::failSeek, 4, OffsetIn},
        {&FileFaults::failSeek, 13, SeekBackIn + "_A"},
        {&FileFaults::failSeek, 14, OffsetOut},
        {&FileFaults::failSeek, 15, SeekBackOut},
        // Writes: fade-in 1-9, fade-out 10-18.
        {&FileFaults::failWrite, 9, LoadWriteIn + "_A"},
        {&FileFaults::failWrite, 10, LoadWriteOut},
    };
    for (const Fault& f : faults) {
        FileFaults::reset();
        WorkBufSize = 3 * 7056;
        *f.counter = f.nth;
        EXPECT_EQ(fade(cd, 1, 1), f.text) << f.nth;
    }
}

TEST_F(FadeTest, DataThatEndsEarlyIsRefusedBeforeAnyByteChanges)
{
    WavSpec s = Frames(8000, 2, 12000, {10000});
    s.dataSizeField = 2 * 16000;  // 2 s announced, 1.5 s present: the fade-in fits, the fade-out does not
    const Bytes cutOut = s.build();
    EXPECT_EQ(fade(cutOut, 1, 1), LoadReadOut + "_A");
    EXPECT_EQ(after, cutOut);

    s = Frames(8000, 2, 4000, {10000});  // 0.25 s present: the fade-in ends in its 13th of 25 loads
    s.dataSizeField = 2 * 16000;
    const Bytes cutIn = s.build();
    WorkBufSize = 1000;
    EXPECT_EQ(fade(cutIn, 1, 0), LoadReadIn);
    EXPECT_EQ(after, cutIn);
}

TEST_F(FadeTest, AnAllocationFailureKeepsTheDefaultText)
{
    BufferFaults::failAbove = 0;
    EXPECT_EQ(fade(Frames(8000, 2, 16000, {1}).build(), 2, -1), FadeDefault + "2/-1");
}

}  // namespace

// The run of 16-bit samples a step scales at once gives each sample what
// ScaleSample gives it: extremes and random samples at every gain of short
// fades and of the longest that take this way.
TEST(FadeCourseTest, PackedSixteenBitStepsScaleEverySampleAsScaleSampleDoes)
{
    std::mt19937 random(7);
    for (const int64_t steps : {int64_t{3}, int64_t{1000}, (int64_t{1} << 21) - 1}) {
        const int64_t frames = std::min<int64_t>(steps, 60000);
        std::vector<int16_t> samples(static_cast<size_t>(frames) * 2);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = i < 4 ? std::array<int16_t, 4>{-32768, 32767, -1, 1}[i] : static_cast<int16_t>(random());
        std::vector<int16_t> faded = samples;
        // Stereo, one frame a step, falling from the fade's top gain; loads of 2,500 frames.
        FadeCourse course({4, 2, 2, 4, 0}, steps, false);
        auto* bytes = reinterpret_cast<uint8_t*>(faded.data());
        for (int64_t at = 0; at < frames * 4; at += 10000)
            course.scale(bytes + at, std::min<int64_t>(10000, frames * 4 - at));
        for (size_t i = 0; i < samples.size(); ++i)
            ASSERT_EQ(faded[i], ScaleSample(samples[i], steps - 1 - static_cast<int64_t>(i / 2), steps))
                << "steps " << steps << " sample " << i;
    }
}
