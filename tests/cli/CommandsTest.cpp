// Each command runs its routine: results checked lightly, sources untouched,
// failures reported with the routine's own message.
#include "CliFixture.h"

namespace {

int16_t SampleAt(const Bytes& data, size_t index) { return static_cast<int16_t>(ReadU16(data, index * 2)); }

// 16-bit stereo where every sample holds the same value.
Bytes Constant16(size_t frames, int16_t value)
{
    Bytes data;
    for (size_t i = 0; i < frames * 2; ++i) AppendU16(data, static_cast<uint16_t>(value));
    return data;
}

}  // namespace

TEST_F(CliTest, HeadSilenceWritesHeaderAndSilenceOnly)
{
    std::string source = stereo("src.wav", 1000);
    Bytes before = ReadFileBytes(source);
    runOk({"head-silence", source, dir.file("out.wav"), "0", "3"});

    Bytes out = ReadFileBytes(dir.file("out.wav"));
    ASSERT_EQ(out.size(), 44u + 52920u);
    EXPECT_EQ(ReadU32(out, 40), 52920u);
    EXPECT_EQ(ReadU32(out, 4), out.size() - 8);
    EXPECT_EQ(DataOf(out), Bytes(52920, 0));
    EXPECT_EQ(ReadFileBytes(source), before);
}

TEST_F(CliTest, TailSilenceExtendsTheFileInPlace)
{
    std::string file = stereo("f.wav", 1000);
    Bytes before = ReadFileBytes(file);
    runOk({"tail-silence", file, "0", "3"});

    Bytes after = ReadFileBytes(file);
    ASSERT_EQ(after.size(), before.size() + 52920);
    EXPECT_EQ(ReadU32(after, 40), 4000u + 52920u);
    EXPECT_TRUE(std::equal(before.begin() + 44, before.end(), after.begin() + 44));
    EXPECT_EQ(Bytes(after.begin() + static_cast<long>(before.size()), after.end()), Bytes(52920, 0));
}

TEST_F(CliTest, FadeInStartsSilentAndEndsAfterItsLength)
{
    WavSpec wav;
    wav.data = Constant16(2 * 44100, 1000);
    std::string file = dir.write("f.wav", wav.build());
    runOk({"fade", file, "1", "0", "0", "0"});

    Bytes data = DataOf(ReadFileBytes(file));
    EXPECT_EQ(SampleAt(data, 0), 0);
    EXPECT_EQ(SampleAt(data, 440 * 2 + 1), 0);     // last frame of the first 10 ms
    EXPECT_EQ(SampleAt(data, 441 * 2), 10);         // gain 1/100
    EXPECT_EQ(SampleAt(data, 44100 * 2), 1000);     // beyond the fade
}

TEST_F(CliTest, CopyDropsChunksAfterTheData)
{
    WavSpec wav;
    wav.data = NoiseBytes(4000);
    wav.chunksAfter = {{"LIST", Bytes(20, 'x')}};
    std::string source = dir.write("src.wav", wav.build());
    Bytes before = ReadFileBytes(source);
    runOk({"copy", source, dir.file("out.wav")});

    wav.chunksAfter.clear();
    EXPECT_EQ(ReadFileBytes(dir.file("out.wav")), wav.build());
    EXPECT_EQ(ReadFileBytes(source), before);
}

TEST_F(CliTest, AppendJoinsTheSamplesOfBothFiles)
{
    std::string first = stereo("a.wav", 500, 1);
    std::string second = stereo("b.wav", 300, 2);
    Bytes secondBefore = ReadFileBytes(second);
    runOk({"append", second, first});

    Bytes joined = ReadFileBytes(first);
    Bytes expected = NoiseBytes(2000, 1);
    Bytes tail = NoiseBytes(1200, 2);
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(DataOf(joined), expected);
    EXPECT_EQ(ReadU32(joined, 40), 3200u);
    EXPECT_EQ(ReadU32(joined, 4), joined.size() - 8);
    EXPECT_EQ(ReadFileBytes(second), secondBefore);
}

TEST_F(CliTest, SplitTakesTheChosenChannel)
{
    std::string source = stereo("src.wav", 100);
    Bytes frames = NoiseBytes(400);
    runOk({"split", source, dir.file("left.wav"), "left"});
    runOk({"split", source, dir.file("right.wav"), "right"});

    Bytes left = ReadFileBytes(dir.file("left.wav"));
    Bytes right = ReadFileBytes(dir.file("right.wav"));
    EXPECT_EQ(ReadU16(left, 22), 1);  // channel count
    ASSERT_EQ(left.size(), 44u + 200u);
    ASSERT_EQ(right.size(), 44u + 200u);
    for (size_t f = 0; f < 100; ++f) {
        EXPECT_EQ(ReadU16(left, 44 + 2 * f), ReadU16(frames, 4 * f));
        EXPECT_EQ(ReadU16(right, 44 + 2 * f), ReadU16(frames, 4 * f + 2));
    }
    EXPECT_EQ(DataOf(ReadFileBytes(source)), frames);
}

TEST_F(CliTest, SwapExchangesLeftAndRight)
{
    std::string source = stereo("src.wav", 100);
    Bytes frames = NoiseBytes(400);
    runOk({"swap", source, dir.file("out.wav")});

    Bytes out = DataOf(ReadFileBytes(dir.file("out.wav")));
    ASSERT_EQ(out.size(), 400u);
    for (size_t f = 0; f < 100; ++f) {
        EXPECT_EQ(ReadU16(out, 4 * f), ReadU16(frames, 4 * f + 2));
        EXPECT_EQ(ReadU16(out, 4 * f + 2), ReadU16(frames, 4 * f));
    }
    EXPECT_EQ(DataOf(ReadFileBytes(source)), frames);
}

TEST_F(CliTest, Fmt16DropsTheExtensionSize)
{
    WavSpec wav;
    wav.fmtExtra = {0, 0};
    wav.data = NoiseBytes(400);
    std::string source = dir.write("src.wav", wav.build());
    Bytes before = ReadFileBytes(source);
    runOk({"fmt16", source, dir.file("out.wav")});

    wav.fmtExtra.clear();
    EXPECT_EQ(ReadFileBytes(dir.file("out.wav")), wav.build());
    EXPECT_EQ(ReadFileBytes(source), before);
}

TEST_F(CliTest, RefusalsPrintTheMessageAndCreateNothing)
{
    WavSpec mono;
    mono.channels = 1;
    mono.data = NoiseBytes(400);
    std::string monoFile = dir.write("mono.wav", mono.build());
    runFails({"split", monoFile, dir.file("l.wav"), "left"}, "データがステレオではありません・・・LR");
    runFails({"swap", monoFile, dir.file("s.wav")}, "データがステレオではありません・・・RV");
    runFails({"fmt16", monoFile, dir.file("f.wav")}, "fmt 16バイト、変換不要・・・FC");
    EXPECT_FALSE(std::filesystem::exists(dir.file("l.wav")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("s.wav")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("f.wav")));
    EXPECT_EQ(ReadFileBytes(monoFile), mono.build());
}

TEST_F(CliTest, CheckSizePassesASmallFileAndReportsAnEmptyOne)
{
    runOk({"check-size", stereo("src.wav", 100), dir.file("out.wav"), "1", "5", "0", "3"});

    WavSpec empty;
    empty.data = NoiseBytes(8);
    empty.dataSizeField = 0;
    std::string emptyFile = dir.write("empty.wav", empty.build());
    runFails({"check-size", emptyFile, dir.file("out.wav"), "0", "0", "0", "0"},
             "データがありません・・・GW_WSC");
}

TEST_F(CliTest, CheckSizeWarningIsPrintedAndTakesTheDefaultAnswer)
{
    // A header that claims 2 GiB of data: the size check reads no further.
    WavSpec wav;
    wav.data = NoiseBytes(400);
    wav.dataSizeField = 0x80000000LL;
    std::string source = dir.write("big.wav", wav.build());
    ToolResult r = run({"check-size", source, dir.file("out.wav"), "0", "0", "0", "0"});

    const std::string warning = "警告:WAVファイルサイズが、2Gバイトを超えます・・・WSC\n";
    ASSERT_EQ(r.err.substr(0, warning.size()), warning);
    int64_t estimate = 44 + 0x80000000LL;
    bool roomy = static_cast<int64_t>(std::filesystem::space(dir.path()).available) >= estimate + 4096;
    EXPECT_EQ(r.status, roomy ? 0 : 1);  // answered OK: on to the free-space check
    if (roomy) {
        EXPECT_EQ(r.err, warning);
    }
}
