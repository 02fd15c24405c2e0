// info: the twelve WavInfo fields, and the reader's messages.
#include "CliFixture.h"

TEST_F(CliTest, InfoPrintsEveryFieldInRecordOrder)
{
    std::string file = stereo("one-second.wav", 44100);
    ToolResult r = run({"info", file});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "DataEnd=176444\nDataSize=176400\nHalfDataEnd=88244\nHalfDataSize=88200\n"
              "BytesPerSec=176400\nSampleRate=44100\nBitsPerSample=16\nChannelText=stereo\n"
              "LengthText=0.01000\nChannels=2\nFrameRate=44100\nBlockAlign=4\n");
}

TEST_F(CliTest, InfoKeepsTextsAsTheyAreAndRoundsHalfUp)
{
    WavSpec wav;
    wav.channels = 1;
    wav.sampleRate = 22050;
    wav.bits = 8;
    wav.data = NoiseBytes(11025);  // half a second, an odd byte count
    ToolResult r = run({"info", dir.write("mono.wav", wav.build())});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "DataEnd=11069\nDataSize=11025\nHalfDataEnd=5557\nHalfDataSize=5513\n"
              "BytesPerSec=22050\nSampleRate=22050\nBitsPerSample=8\nChannelText=  mono\n"
              "LengthText=0.00500\nChannels=1\nFrameRate=22050\nBlockAlign=1\n");
}

TEST_F(CliTest, InfoFailuresPrintTheReaderMessage)
{
    std::string shortFile = dir.write("short.wav", Bytes(45, 0));
    runFails({"info", shortFile}, "WAVファイルのサイズが小さすぎます・・・GW\n" + shortFile);
    runFails({"info", dir.file("missing.wav")}, "WAVファイルの読み出しに失敗しましたOP・・・GW");

    WavSpec compressed;
    compressed.formatTag = 3;
    compressed.data = NoiseBytes(400);
    runFails({"info", dir.write("float.wav", compressed.build())}, "圧縮データは変換できません・・・GW");
}
