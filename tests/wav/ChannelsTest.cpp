// WavSplitChannel and WavSwapChannels: one channel of a stereo file as a mono
// file, and a copy with the channels exchanged; WavSplitChannels: both
// channels in one pass, each output standing or failing on its own.
#include <algorithm>

#include "Channels.h"
#include "CopyRoutineTest.h"

namespace {

class ChannelsTest : public CopyRoutineTest {
protected:
    std::string split(const Bytes& sourceBytes, bool left)
    {
        return run([left](auto& s, auto& t, auto& e) { WavSplitChannel(s, t, left, e); }, sourceBytes);
    }
    std::string swap(const Bytes& sourceBytes) { return run(WavSwapChannels, sourceBytes); }
};

const std::string SplitDefault = "WAVファイル変換に失敗しました・・・LR";
const std::string SwapDefault = "WAVファイルLR反転に失敗しました・・・RV";

size_t Width(const WavSpec& s) { return (s.bits + 7u) / 8u; }

// The left or right sample of every whole frame.
Bytes Picked(const WavSpec& s, bool left)
{
    Bytes out;
    size_t width = Width(s), align = s.align();
    for (size_t f = 0; f + align <= s.data.size(); f += align) {
        auto sample = s.data.begin() + static_cast<long>(f + (left ? 0 : width));
        out.insert(out.end(), sample, sample + static_cast<long>(width));
    }
    return out;
}

// The file a split of s writes.
Bytes MonoOf(const WavSpec& s, bool left)
{
    WavSpec mono = Normalised(s);
    mono.channels = 1;
    mono.avgBytesPerSec = (s.avgBytesPerSec >= 0 ? s.avgBytesPerSec : int64_t(s.sampleRate) * s.align()) / 2;
    mono.blockAlign = s.align() / 2;
    mono.data = Picked(s, left);
    mono.dataSizeField = -1;
    return mono.build();
}

// The file a swap of s writes: whole frames exchanged, a partial one kept.
Bytes SwappedOf(const WavSpec& s)
{
    WavSpec swapped = Normalised(s);
    size_t width = Width(s), align = s.align();
    auto d = swapped.data.begin();
    for (size_t f = 0; f + align <= s.data.size(); f += align)
        std::swap_ranges(d + long(f), d + long(f + width), d + long(f + width));
    return swapped.build();
}

TEST_F(ChannelsTest, OneSecondOfCdStereoSplitsIntoTwoMonoFiles)
{
    WorkBufSize = 8192;  // 25 loads of 7056 bytes
    WavSpec s = CdStereo(176400);
    for (bool left : {true, false}) {
        ASSERT_EQ(split(s.build(), left), "");
        Bytes out = output();
        EXPECT_EQ(out, MonoOf(s, left));
        EXPECT_EQ(ReadU16(out, 22), 1);
        EXPECT_EQ(ReadU32(out, 28), 88200u);
        EXPECT_EQ(ReadU16(out, 32), 2);
        EXPECT_EQ(ReadU32(out, 40), 88200u);
        EXPECT_EQ(ReadU32(out, 4), 36u + 8u + 88200u - 8u);
    }
}

TEST_F(ChannelsTest, EightBitWithLongFmtKeepsTheHeadBeforeDataOnly)
{
    WavSpec s = CdStereo(1001);
    s.bits = 8;
    s.fmtExtra = {0x12, 0x34};
    s.chunksBeforeFmt = {{"LIST", Bytes(6, 'b')}};
    s.chunksBetween = {{"LIST", Bytes(6, 'm')}};
    for (bool left : {true, false}) {
        ASSERT_EQ(split(s.build(), left), "");
        EXPECT_EQ(output(), MonoOf(s, left));
    }
    ASSERT_EQ(swap(s.build()), "");
    EXPECT_EQ(output(), SwappedOf(s));
}

TEST_F(ChannelsTest, SwappingTwiceGivesTheSourceBack)
{
    WorkBufSize = 8192;
    Bytes original = CdStereo(3 * 7056 + 400).build();
    ASSERT_EQ(swap(original), "");
    Bytes once = output();
    EXPECT_EQ(once, SwappedOf(CdStereo(3 * 7056 + 400)));
    ASSERT_EQ(swap(once), "");
    EXPECT_EQ(output(), original);
}

TEST_F(ChannelsTest, WideSamplesOddRatesAndOddAlignsMoveWholeFrames)
{
    WorkBufSize = 8192;
    struct Case {
        uint16_t bits;
        uint32_t rate;
        int align;
        size_t dataBytes;
    } cases[] = {
        {24, 8000, 6, 3 * 7680 + 606},  // 3-byte samples, three loads and a rest
        {32, 8000, 8, 2 * 7680 + 808},  // 4-byte samples
        {16, 37, 4, 20000},             // 5 bytes per 40 ms: loads kept to whole frames
        {16, 8000, 5, 3 * 8000 + 55},   // odd block align: a byte of padding per frame
        {8, 8000, 3, 9000},
        {16, 44100, 4, 7056 + 103},     // a partial frame at the end
    };
    for (const Case& c : cases) {
        WavSpec s = CdStereo(c.dataBytes, c.rate);
        s.bits = c.bits;
        s.sampleRate = c.rate;
        s.blockAlign = c.align;
        for (bool left : {true, false}) {
            ASSERT_EQ(split(s.build(), left), "") << c.bits << "/" << c.rate << "/" << c.align;
            EXPECT_EQ(output(), MonoOf(s, left)) << c.bits << "/" << c.rate << "/" << c.align;
        }
        ASSERT_EQ(swap(s.build()), "");
        EXPECT_EQ(output(), SwappedOf(s)) << c.bits << "/" << c.rate << "/" << c.align;
    }
}

TEST_F(ChannelsTest, RefusalsBeforeTheOutputIsCreated)
{
    WavSpec mono = CdStereo(400);
    mono.channels = 1;
    EXPECT_EQ(split(mono.build(), true), "データがステレオではありません・・・LR");
    EXPECT_EQ(swap(mono.build()), "データがステレオではありません・・・RV");
    // A frame too narrow for two samples would make the pick and the swap
    // reach into the next frame or past the bytes read.
    for (int align : {2, 3}) {
        WavSpec narrow = CdStereo(400);
        narrow.blockAlign = align;
        EXPECT_EQ(split(narrow.build(), false), "サンプルが異状です・・・LR");
        EXPECT_EQ(swap(narrow.build()), "サンプルが異状です・・・RV");
    }
    EXPECT_FALSE(outputExists());
}

TEST_F(ChannelsTest, ZeroAverageBytesPerSecondIsRefused)
{
    WavSpec s = CdStereo(400);
    s.avgBytesPerSec = 0;
    EXPECT_EQ(split(s.build(), true), "AvgBytesPerSecが異状です・・・LR");
}

TEST_F(ChannelsTest, EveryFailedTransferHasItsMessage)
{
    WorkBufSize = 8192;
    Bytes sourceBytes = CdStereo(2 * 7056 + 100).build();
    // I/O in order: reads = head, two chunk headers, loads; writes = head,
    // data header, loads, size fields; seeks = two chunk headers, the data
    // start (split only), then the size fields.
    struct Case {
        int64_t* counter;
        int64_t nth;
        std::string splitText, swapText;
    } cases[] = {
        {&FileFaults::failRead, 4, "WAVファイルの読み出しに失敗しました・・・LR", "WAVファイルの読み出しに失敗しました・・・RV"},
        {&FileFaults::failRead, 6, "WAVファイルの読み出しに失敗しました・・・LR_A", "WAVファイルの読み出しに失敗しました・・・RV_A"},
        {&FileFaults::failWrite, 2, "WAVファイルの書き出しに失敗しました・・・LR", "WAVファイルの書き出しに失敗しました・・・RV"},
        {&FileFaults::failWrite, 3, "WAVファイルの書き込みに失敗しました・・・LR", "WAVファイルの書き込みに失敗しました・・・RV"},
        {&FileFaults::failWrite, 5, "WAVファイルの書き込みに失敗しました・・・LR_A", "WAVファイルの書き込みに失敗しました・・・RV_A"},
        {&FileFaults::failWrite, 6, SplitDefault, SwapDefault},
        {&FileFaults::failSeek, 1, "データエリアが見つかりませんでした・・・off_LR\n" + source(), "データエリアが見つかりませんでした・・・off_RV\n" + source()},
        {&FileFaults::failSeek, 3, "オフセットが範囲を超えています・・・LR", SwapDefault},
    };
    for (const Case& c : cases) {
        *c.counter = c.nth;
        EXPECT_EQ(split(sourceBytes, true), c.splitText) << c.nth;
        *c.counter = c.nth;
        EXPECT_EQ(swap(sourceBytes), c.swapText) << c.nth;
    }
}

TEST_F(ChannelsTest, BothChannelsInOnePassAreTheFilesOfTwoSplitsAndFailApart)
{
    WorkBufSize = 8192;
    const WavSpec s = CdStereo(3 * 7056 + 101);
    const std::string right = dir.file("right.wav");
    std::string rightErr = "not set";
    auto both = [&](auto& source, auto& left, auto& err) { WavSplitChannels(source, left, right, err, rightErr); };

    ASSERT_EQ(run(both, s.build()), "");
    EXPECT_EQ(rightErr, "");
    EXPECT_EQ(output(), MonoOf(s, true));
    EXPECT_EQ(ReadFileBytes(right), MonoOf(s, false));
    std::filesystem::remove(target());
    std::filesystem::remove(right);

    // Writes: the two heads (four writes), then left and right by turns: the
    // sixth is the right half of the first load; the left goes on alone.
    FileFaults::failWrite = 6;
    ASSERT_EQ(run(both, s.build()), "");
    EXPECT_EQ(rightErr, "WAVファイルの書き込みに失敗しました・・・LR");
    EXPECT_EQ(output(), MonoOf(s, true));
    EXPECT_EQ(FolderNames(dir.path()), (std::set<std::string>{"in.wav", "out.wav"}));
    std::filesystem::remove(target());

    // A source both refuse gives both its text; an empty name leaves a side out.
    WavSpec mono = s;
    mono.channels = 1;
    EXPECT_EQ(run(both, mono.build()), "データがステレオではありません・・・LR");
    EXPECT_EQ(rightErr, "データがステレオではありません・・・LR");
    std::string unused = "kept";
    run([&](auto& source, auto&, auto& err) { WavSplitChannels(source, "", right, unused, err); }, s.build());
    EXPECT_EQ(ReadFileBytes(right), MonoOf(s, false));
    EXPECT_EQ(unused, "kept");
}

}  // namespace
