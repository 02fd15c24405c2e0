// The header walk and WavInfo, through GetWavInfo.
#include "EngineTest.h"
#include <gtest/gtest.h>

#include "EngineHost.h"
#include "TestWav.h"
#include "WavFile.h"
#include "WavInfo.h"

namespace {

class GetWavInfoTest : public EngineTest {
protected:
    std::string read(const Bytes& bytes)
    {
        std::string path = dir.write("in.wav", bytes);
        std::string err = "unchanged";
        GetWavInfo(path, err);
        return err;
    }

    TempDir dir;
};

WavSpec Stereo16(size_t dataBytes)
{
    WavSpec s;
    s.data = NoiseBytes(dataBytes);
    return s;
}

TEST_F(GetWavInfoTest, OneSecondOfCdAudioFillsEveryField)
{
    Bytes b = Stereo16(176400).build();
    ASSERT_EQ(read(b), "");
    EXPECT_EQ(WavInfo.DataEnd, 44 + 176400);
    EXPECT_EQ(WavInfo.DataSize, 176400);
    EXPECT_EQ(WavInfo.HalfDataSize, 88200);
    EXPECT_EQ(WavInfo.HalfDataEnd, 44 + 88200);
    EXPECT_EQ(WavInfo.BytesPerSec, 176400);
    EXPECT_EQ(WavInfo.SampleRate, 44100);
    EXPECT_EQ(WavInfo.BitsPerSample, 16);
    EXPECT_EQ(WavInfo.ChannelText, "stereo");
    EXPECT_EQ(WavInfo.LengthText, "0.01000");
    EXPECT_EQ(WavInfo.Channels, 2);
    EXPECT_EQ(WavInfo.FrameRate, 44100);
    EXPECT_EQ(WavInfo.BlockAlign, 4);
}

TEST_F(GetWavInfoTest, ChannelTextsAndOddHalfSize)
{
    WavSpec mono;
    mono.channels = 1;
    mono.bits = 8;
    mono.sampleRate = 22050;
    mono.data = NoiseBytes(1001);
    ASSERT_EQ(read(mono.build()), "");
    EXPECT_EQ(WavInfo.ChannelText, "  mono");
    EXPECT_EQ(WavInfo.HalfDataSize, 501);

    WavSpec six;
    six.channels = 6;
    six.data = NoiseBytes(1200);
    ASSERT_EQ(read(six.build()), "");
    EXPECT_EQ(WavInfo.ChannelText, "unknwn");
}

TEST_F(GetWavInfoTest, LengthTexts)
{
    EXPECT_EQ(WavLengthText(125500LL * 176400 / 1000, 4, 44100), "2.05500");
    EXPECT_EQ(WavLengthText(5500LL * 1764 / 10, 4, 44100), "0.05500");
    EXPECT_EQ(WavLengthText(0, 4, 44100), "0.00000");
    EXPECT_EQ(WavLengthText(4, 4, 44100), "0.00000");  // 0.0227 ms rounds to 0
    EXPECT_EQ(WavLengthText(3600000LL * 8, 1, 8000), "60.00000");
    // 0.5 ms rounds to even (0), 1.5 ms to 2.
    EXPECT_EQ(WavLengthText(1, 1, 2000), "0.00000");
    EXPECT_EQ(WavLengthText(3, 1, 2000), "0.00002");
}

TEST_F(GetWavInfoTest, MinimumSizeIs46Bytes)
{
    WavSpec s;
    s.channels = 1;
    s.bits = 8;
    s.data = {1, 2};  // 44 + 2 = 46 bytes
    Bytes b = s.build();
    ASSERT_EQ(b.size(), 46u);
    EXPECT_EQ(read(b), "");
    b.pop_back();
    std::string path = dir.file("in.wav");
    EXPECT_EQ(read(b), "WAVファイルのサイズが小さすぎます・・・GW\n" + path);
}

TEST_F(GetWavInfoTest, RefusesWhatIsNotRiffWave)
{
    Bytes b = Stereo16(100).build();
    Bytes riff = b;
    riff[0] = 'r';
    EXPECT_EQ(read(riff), "ファイル形式が「RIFF」ではありません・・・GW");
    Bytes wave = b;
    wave[11] = 'e';
    EXPECT_EQ(read(wave), "WAVEファイルではありません・・・GW");
}

TEST_F(GetWavInfoTest, ChunksBeforeFmtAreWalked)
{
    WavSpec s = Stereo16(400);
    s.chunksBeforeFmt = {{"LIST", NoiseBytes(26)}};
    s.chunksBetween = {{"fact", NoiseBytes(4)}};
    ASSERT_EQ(read(s.build()), "");
    EXPECT_EQ(WavInfo.DataEnd, 44 + 34 + 12 + 400);
}

TEST_F(GetWavInfoTest, OddChunksAreReadWithOrWithoutTheirPadByte)
{
    WavSpec s = Stereo16(400);
    s.chunksBeforeFmt = {{"LIST", NoiseBytes(25)}};
    s.chunksBetween = {{"junk", NoiseBytes(3)}};
    s.padOddChunks = true;
    ASSERT_EQ(read(s.build()), "");
    EXPECT_EQ(WavInfo.DataEnd, 12 + 34 + 24 + 12 + 8 + 400);
    EXPECT_EQ(WavInfo.SampleRate, 44100);

    // Written without pads, the same chunks read as before.
    s.padOddChunks = false;
    ASSERT_EQ(read(s.build()), "");
    EXPECT_EQ(WavInfo.DataEnd, 12 + 33 + 24 + 11 + 8 + 400);
}

TEST_F(GetWavInfoTest, ExtensiblePcmIsReadAndOtherSubFormatsRefused)
{
    ASSERT_EQ(read(Extensible(Stereo16(176400)).build()), "");
    EXPECT_EQ(WavInfo.BytesPerSec, 176400);
    EXPECT_EQ(WavInfo.DataEnd, 12 + 48 + 8 + 176400);
    EXPECT_EQ(WavInfo.LengthText, "0.01000");
    EXPECT_EQ(read(Extensible(Stereo16(400), 3).build()), "圧縮データは変換できません・・・GW");
    // The sub-format lies beyond a chunk cut below 40 bytes.
    WavSpec cut = Extensible(Stereo16(400));
    cut.fmtExtra.resize(23);
    EXPECT_EQ(read(cut.build()), "圧縮データは変換できません・・・GW");
}

TEST_F(GetWavInfoTest, FmtMustBeginInsideTheFirst4096Bytes)
{
    WavSpec s = Stereo16(400);
    s.chunksBeforeFmt = {{"LIST", Bytes(4100, 0)}};
    EXPECT_EQ(read(s.build()), "WAVフォーマットが見つかりませんでした・・・GW");
    s.chunksBeforeFmt = {{"LIST", Bytes(4096 - 12 - 8 - 8 - 16, 0)}};  // body ends at 4096
    EXPECT_EQ(read(s.build()), "");
    s.chunksBeforeFmt = {{"LIST", Bytes(4096 - 12 - 8 - 8 - 15, 0)}};  // body ends at 4097
    EXPECT_EQ(read(s.build()), "WAVフォーマットが見つかりませんでした・・・GW");
}

TEST_F(GetWavInfoTest, FmtChecks)
{
    WavSpec s = Stereo16(400);
    Bytes b = s.build();
    b[16] = 14;  // fmt size 14: the next chunk is taken two bytes early
    EXPECT_EQ(read(b), "フォーマットデータが不足しています・・・GW");
    s.formatTag = 3;
    EXPECT_EQ(read(s.build()), "圧縮データは変換できません・・・GW");
    s.formatTag = 0xFFFE;
    EXPECT_EQ(read(s.build()), "圧縮データは変換できません・・・GW");
}

TEST_F(GetWavInfoTest, DataChecks)
{
    std::string path = dir.file("in.wav");
    WavSpec s = Stereo16(400);
    Bytes b = s.build();
    b[36] = 'D';
    EXPECT_EQ(read(b), "データエリアが見つかりませんでした・・・GW\n" + path);
    s.dataSizeField = 0;
    EXPECT_EQ(read(s.build()), "データがありません・・・GW");
}

TEST_F(GetWavInfoTest, FormatFieldChecksInOrder)
{
    WavSpec s = Stereo16(400);
    s.blockAlign = 0;
    EXPECT_EQ(read(s.build()), "１秒当たりのバイト数が異状です・・・GW");
    s.blockAlign = 1;
    s.sampleRate = 24;
    EXPECT_EQ(read(s.build()), "40ms当たりのバイト数が異状です・・・GW");
    s.sampleRate = 44100;
    s.blockAlign = 4;
    s.bits = 0;
    EXPECT_EQ(read(s.build()), "サンプルが異状です・・・GW");
    // A product beyond 31 bits wraps negative rather than overflowing.
    s.bits = 16;
    s.sampleRate = 0x80000000u;
    s.blockAlign = 1;
    EXPECT_EQ(read(s.build()), "１秒当たりのバイト数が異状です・・・GW");
}

TEST_F(GetWavInfoTest, OpenAndSeekFailures)
{
    std::string err;
    std::string missing = dir.file("missing.wav");
    GetWavInfo(missing, err);
    EXPECT_EQ(err, "WAVファイルの読み出しに失敗しましたOP・・・GW");

    std::string path = dir.write("in.wav", Stereo16(400).build());
    FileFaults::failSeek = 2;  // the second chunk header of the data walk
    GetWavInfo(path, err);
    EXPECT_EQ(err, "データエリアが見つかりませんでした・・・off_GW\n" + path);
    FileFaults::reset();
    FileFaults::failRead = 1;  // the head itself comes up short
    Bytes tiny = Stereo16(1).build();
    GetWavInfo(dir.write("tiny.wav", tiny), err);
    EXPECT_EQ(err, "WAVファイルのサイズが小さすぎます・・・GW\n" + dir.file("tiny.wav"));
}

TEST_F(GetWavInfoTest, FailureKeepsThePreviousRecord)
{
    ASSERT_EQ(read(Stereo16(176400).build()), "");
    WavSpec bad = Stereo16(400);
    bad.sampleRate = 8000;
    bad.dataSizeField = 0;
    EXPECT_NE(read(bad.build()), "");
    EXPECT_EQ(WavInfo.SampleRate, 44100);
    EXPECT_EQ(WavInfo.LengthText, "0.01000");
}

TEST_F(GetWavInfoTest, ProcessesPendingMessagesBeforeAndAfter)
{
    int calls = 0;
    engineHost().processPendingMessages = [&] { ++calls; };
    read(Stereo16(100).build());
    EXPECT_EQ(calls, 2);
}

TEST_F(GetWavInfoTest, DirectoryIsNotAWavFile)
{
    std::string err;
    GetWavInfo(dir.path().string(), err);
    EXPECT_EQ(err, "WAVファイルの読み出しに失敗しましたOP・・・GW");
}

}  // namespace
