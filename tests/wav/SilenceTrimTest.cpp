// Silence cut: which frames count as silence at each sample width, what each
// cut keeps, and the ways a cut fails without leaving an output.
#include "CopyRoutineTest.h"
#include "SilenceTrim.h"
#include "WavAppend.h"
#include "WavCopy.h"

namespace {

using FrameValues = std::vector<std::vector<int64_t>>;

// Frames of `width`-byte samples `align` bytes apart; each value is the
// sample's distance from silence. Bytes behind the samples of a padded frame
// are 0xEE, which would be loud if they were taken for a sample.
Bytes Frames(int width, int align, const FrameValues& frames)
{
    Bytes b;
    for (const auto& frame : frames) {
        const size_t start = b.size();
        for (int64_t v : frame) {
            const uint64_t bits = static_cast<uint64_t>(width == 1 ? v + 128 : v);
            for (int i = 0; i < width; ++i) b.push_back(static_cast<uint8_t>(bits >> (8 * i)));
        }
        b.resize(start + align, 0xEE);
    }
    return b;
}

WavSpec Format(uint16_t channels, uint16_t bits, int align, Bytes data)
{
    WavSpec s;
    s.channels = channels;
    s.bits = bits;
    s.sampleRate = 8000;
    s.blockAlign = align;
    s.data = std::move(data);
    return s;
}

Bytes Slice(const Bytes& b, size_t from, size_t n) { return Bytes(b.begin() + from, b.begin() + from + n); }

const std::string SilentOnly = "無音のみのファイルです・・・MC\n";

class SilenceTrimTest : public CopyRoutineTest {
protected:
    std::string trim(const WavSpec& s, SilenceCut cut, SilenceLevels levels = {})
    {
        return run([&](const std::string& src, const std::string& tgt,
                       std::string& err) { TrimSilence(src, tgt, cut, levels, err); },
                   s.build());
    }

    SoundSearch find(const WavSpec& s, SilenceCut cut, std::string& err, SilenceLevels levels = {})
    {
        SoundSearch found;
        FindSound(dir.write("in.wav", s.build()), cut, levels, found, err);
        return found;
    }

    // The output holds the source's head and exactly these samples.
    void expectOutput(const WavSpec& s, const Bytes& kept)
    {
        WavSpec expected = s;
        expected.data = kept;
        EXPECT_EQ(output(), expected.build());
    }
};

}  // namespace

TEST_F(SilenceTrimTest, EverySampleOfAFrameMustLieWithinTheLevelScaledToItsWidth)
{
    const SilenceLevels levels{10, 300};
    for (int width = 1; width <= 4; ++width) {
        const int64_t L = width == 1 ? 10 : int64_t{300} << (8 * (width - 2));
        // Silent, loud in the right channel only, middle, loud below, silent.
        const FrameValues frames = {{L, -L}, {-L, L + 1}, {5, 5}, {-L - 1, 0}, {L, L}};
        const WavSpec s = Format(2, static_cast<uint16_t>(8 * width), 2 * width, Frames(width, 2 * width, frames));
        const size_t frame = 2 * width;
        ASSERT_EQ(trim(s, SilenceCut::Both, levels), "") << width;
        expectOutput(s, Slice(s.data, frame, 3 * frame));
        ASSERT_EQ(trim(s, SilenceCut::Head, levels), "") << width;
        expectOutput(s, Slice(s.data, frame, 4 * frame));
        ASSERT_EQ(trim(s, SilenceCut::Tail, levels), "") << width;
        expectOutput(s, Slice(s.data, 0, 4 * frame));
        ASSERT_EQ(trim(s, SilenceCut::Off, levels), "") << width;
        expectOutput(s, s.data);
    }
}

TEST_F(SilenceTrimTest, ASilentFileIsRefusedWithItsOwnTextAndNoOutput)
{
    const WavSpec quiet = Format(2, 16, 4, Frames(2, 4, {{1, -1}, {0, 0}, {-1, 1}}));
    for (SilenceCut cut : {SilenceCut::Both, SilenceCut::Head, SilenceCut::Tail}) {
        EXPECT_EQ(trim(quiet, cut), SilentOnly + source());
        EXPECT_EQ(FolderNames(dir.path()), std::set<std::string>{"in.wav"});
        std::string err;
        EXPECT_TRUE(find(quiet, cut, err).silentOnly);
        EXPECT_EQ(err, SilentOnly + source());
    }
    // Level 2 of 8-bit files: the bytes 126 to 130 are silence.
    EXPECT_EQ(trim(Format(1, 8, 1, {126, 130, 128}), SilenceCut::Both, {2, 1}), SilentOnly + source());
}

TEST_F(SilenceTrimTest, PaddedFramesAPartialLastFrameAndTheExtensibleFormat)
{
    // 16-bit mono in frames of 3 bytes: the pad byte is no sample.
    Bytes data = Frames(2, 3, {{0}, {0}, {700}, {0}});
    data.insert(data.end(), {0x55, 0x55});  // a partial frame: kept with the tail only
    const WavSpec padded = Format(1, 16, 3, data);
    ASSERT_EQ(trim(padded, SilenceCut::Head), "");
    expectOutput(padded, Slice(data, 6, data.size() - 6));
    ASSERT_EQ(trim(padded, SilenceCut::Tail), "");
    expectOutput(padded, Slice(data, 0, 9));

    const WavSpec extensible = Extensible(Format(2, 24, 6, Frames(3, 6, {{0, 256}, {0, 257}, {-256, 0}})));
    ASSERT_EQ(trim(extensible, SilenceCut::Both), "");
    expectOutput(extensible, Slice(extensible.data, 6, 6));
}

TEST_F(SilenceTrimTest, TheScanFindsSoundAcrossLoadsAndRuns)
{
    WorkBufSize = 1280;  // 8 kHz 16-bit mono: two 40 ms blocks, 640 frames a load
    const int64_t frames = 2000;
    const std::pair<int64_t, int64_t> cases[] = {{0, 0},       {63, 64},     {64, 639},  {639, 640},
                                                 {640, 1999},  {1279, 1280}, {1999, 1999}, {5, 1500}};
    for (auto [first, last] : cases) {
        FrameValues values(frames, {0});
        values[first] = {-2};
        values[last] = {2};
        std::string err;
        const SoundSearch found = find(Format(1, 16, 2, Frames(2, 2, values)), SilenceCut::Both, err);
        ASSERT_EQ(err, "") << first << " " << last;
        EXPECT_EQ(found.kept.offset, 2 * first) << first << " " << last;
        EXPECT_EQ(found.kept.size, 2 * (last - first + 1)) << first << " " << last;
    }
}

TEST_F(SilenceTrimTest, FailuresLeaveNoOutput)
{
    WavSpec floats = Format(1, 32, 4, Frames(4, 4, {{0}, {1 << 30}}));
    floats.formatTag = 3;
    EXPECT_EQ(trim(floats, SilenceCut::Both), "圧縮データは変換できません・・・MC");
    EXPECT_EQ(trim(Format(1, 40, 5, Bytes(50, 1)), SilenceCut::Both), "サンプルが異状です・・・MC");

    // Data that claims more than the file holds fails the backward scan at once.
    WavSpec claims = Format(1, 16, 2, Frames(2, 2, {{0}, {900}, {0}}));
    claims.dataSizeField = 600;
    EXPECT_EQ(trim(claims, SilenceCut::Tail), "WAVファイルの読み出しに失敗しました・・・MC");
    // Reads: the head, the fmt and data chunk headers, then the first load.
    FileFaults::failRead = 4;
    EXPECT_EQ(trim(Format(1, 16, 2, Frames(2, 2, {{0}, {900}})), SilenceCut::Head),
              "WAVファイルの読み出しに失敗しました・・・MC");
    EXPECT_EQ(FolderNames(dir.path()), std::set<std::string>{"in.wav"});

    // A range outside the data is refused by the copy and the append alike.
    const std::string src = dir.write("in.wav", Format(1, 16, 2, Bytes(20, 0)).build());
    std::string err;
    CopyWavRange(src, target(), {4, 20}, err);
    EXPECT_EQ(err, "オフセットが範囲を超えています・・・WC2");
    CopyWav(src, target(), err);
    WavAppendRange(src, target(), {-2, 4}, err);
    EXPECT_EQ(err, "オフセットが範囲を超えています・・・KD");
}
