// Head and tail silence: the bytes written, the header carried over, and every
// way a call can fail.
#include "EngineTest.h"
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "EngineHost.h"
#include "Silence.h"
#include "TestWav.h"
#include "WavFile.h"
#include "WorkBuffers.h"

namespace {

const std::string HeadDefault = "WAVファイルの先頭無音付け足しに失敗しました・・・";
const std::string TailDefault = "WAVファイルEND無音付け足しに失敗しました・・・EA";
const std::string OpenFailed = "WAVファイルの読み出しに失敗しましたOP・・・";
const std::string OpenFailedTail = "WAVファイルの読み出しに失敗しましたOP・・・EA\n";
const std::string HeadReadFailed = "WAVファイルの読み出しに失敗しました・・・MF";
const std::string HeadNoData = "データがありません・・・MF";
const std::string HeadCompressed = "圧縮データには無音を挿入できません・・・MF";
const std::string HeadCreateFailed = "WAVファイルの新規作成に失敗しました・・・MF\n";
const std::string HeadWriteFailed = "WAVファイルの書き出しに失敗しました・・・MF";
const std::string HeadBadSample = "サンプルが不正です・・・MF";
const std::string HeadRestFailed = "WAVファイルの書き出しに失敗しました・・・MF_A";
const std::string HeadPatchFailed = "WAVファイルの書き出しに失敗しました・・・MF_D";
const std::string FmtNotFound = "WAVフォーマットが見つかりませんでした・・・";
const std::string DataSeekFailed = "データエリアが見つかりませんでした・・・off_";
const std::string DataUnreadable = "データエリアが見つかりませんでした・・・";
const std::string TailNoData = "データがありません・・・EA";
const std::string TailCompressed = "圧縮データには無音を付加できません・・・EA";
const std::string TailOffset = "オフセットが不正です・・・EA";
const std::string TailBadSample = "サンプルが不正です・・・EA";
const std::string TailWriteFailed = "WAVファイルの書き出しに失敗しました・・・EA";
const std::string TailRestFailed = "WAVファイルの書き出しに失敗しました・・・EA_A";
const std::string TailFmtBehindData = "WAVフォーマットがデータエリアの後ろにあるため無音を付加できません・・・EA\n";
const std::string TailRestoreFailed = "\nWAVファイルを元に戻せませんでした・・・EA\n";
const std::string NoBytesPerSec = "１秒当たりのバイト数が異状です・・・";

WavSpec Format(uint16_t channels, uint32_t rate, uint16_t bits, size_t dataBytes = 400)
{
    WavSpec s;
    s.channels = channels;
    s.sampleRate = rate;
    s.bits = bits;
    s.data = NoiseBytes(dataBytes);
    return s;
}

// The same format holding other data.
WavSpec WithData(WavSpec s, Bytes data)
{
    s.data = std::move(data);
    return s;
}

Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class SilenceTest : public EngineTest {
protected:
    // Head silence from a source of these bytes into out.wav; returns ErrorText.
    std::string head(const Bytes& source, int32_t seconds, int32_t tenths)
    {
        src = dir.write("in.wav", source);
        std::string err = "unchanged";
        AddHeadSilence(src, out, seconds, tenths, err);
        EXPECT_EQ(ReadFileBytes(src), source) << "the source must never change";
        return err;
    }

    std::string tail(const Bytes& file, int32_t seconds, int32_t tenths)
    {
        src = dir.write("in.wav", file);
        std::string err = "unchanged";
        AddTailSilence(src, seconds, tenths, err);
        return err;
    }

    bool outExists() const { return std::filesystem::exists(out); }

    TempDir dir;
    std::string src;
    std::string out = dir.file("out.wav");
};

// --- SilenceBytes -----------------------------------------------------------

TEST(SilenceBytesTest, WholeFramesTenthsRoundedToEvenNothingNegativeNoWrap)
{
    EXPECT_EQ(SilenceBytes(44100, 4, 10, 3), 1764000 + 52920);  // Round(13,230) x 4
    EXPECT_EQ(SilenceBytes(11025, 1, 0, 1), 1102);              // 1102.5 -> 1102
    EXPECT_EQ(SilenceBytes(11025, 2, 0, 3), 3308 * 2);          // 3307.5 -> 3308
    EXPECT_EQ(SilenceBytes(8000, 1, 1, 12), 8000 + 9600);       // tenths beyond 9 add more
    EXPECT_EQ(SilenceBytes(44100, 4, -1, 1), 17640);
    EXPECT_EQ(SilenceBytes(44100, 4, 1, -1), 176400);
    EXPECT_EQ(SilenceBytes(0, 4, 5, 5), 0);
    EXPECT_EQ(SilenceBytes(4294967295, 65535, 2147483647, 9), INT64_MAX);
}

// --- AddHeadSilence: output -------------------------------------------------

TEST_F(SilenceTest, ThreeTenthsOfCdAudioAreByteExact)
{
    WavSpec cd = Format(2, 44100, 16, 1000);
    WriteFileBytes(out, NoiseBytes(300000));  // replaced whole
    ASSERT_EQ(head(cd.build(), 0, 3), "");
    // Header up to the fmt end, "data", 52,920 zero bytes; RIFF size = length - 8.
    EXPECT_EQ(ReadFileBytes(out), WithData(cd, Bytes(52920, 0)).build());
}

TEST_F(SilenceTest, EightBitSilenceIsTheMidpoint)
{
    WavSpec mono8 = Format(1, 11025, 8);
    ASSERT_EQ(head(mono8.build(), 1, 1), "");
    EXPECT_EQ(ReadFileBytes(out), WithData(mono8, Bytes(11025 + 1102, 0x80)).build());
    WavSpec mono4 = Format(1, 8000, 4);  // any width up to 8 bits is one unsigned byte
    ASSERT_EQ(head(mono4.build(), 0, 1), "");
    EXPECT_EQ(ReadFileBytes(out), WithData(mono4, Bytes(800, 0x80)).build());
}

TEST_F(SilenceTest, ChunksBeforeFmtAndALongFmtAreKeptChunksBetweenDropped)
{
    WavSpec source = Format(2, 22050, 16);
    source.chunksBeforeFmt = {{"LIST", NoiseBytes(21, 7)}};  // odd size, no pad byte
    source.fmtExtra = {0, 0};                                 // an 18-byte fmt chunk
    source.chunksBetween = {{"fact", NoiseBytes(4, 8)}, {"LIST", NoiseBytes(30, 9)}};
    source.chunksAfter = {{"id3 ", NoiseBytes(12, 10)}};
    ASSERT_EQ(head(source.build(), 0, 1), "");

    WavSpec expected = WithData(source, Bytes(2205 * 4, 0));
    expected.chunksBetween.clear();
    expected.chunksAfter.clear();
    EXPECT_EQ(ReadFileBytes(out), expected.build());
}

TEST_F(SilenceTest, NegativeSecondsAndTenthsBelowOneAddNothing)
{
    WavSpec cd = Format(2, 44100, 16);
    ASSERT_EQ(head(cd.build(), -3, 0), "");
    EXPECT_EQ(ReadFileBytes(out), WithData(cd, {}).build());  // a data chunk of size 0
    ASSERT_EQ(head(cd.build(), -3, 1), "");
    EXPECT_EQ(ReadFileBytes(out), WithData(cd, Bytes(17640, 0)).build());
}

// --- AddHeadSilence: failures ----------------------------------------------

// Head silence removes only what it made in this call: a file, a symbolic link
// or a FIFO that stood at the target stays when the call fails.
TEST_F(SilenceTest, AFailedCallLeavesWhateverStoodAtTheTarget)
{
    namespace fs = std::filesystem;
    const std::string missing = dir.file("missing.wav");
    const Bytes before = NoiseBytes(100);
    WriteFileBytes(out, before);
    const std::string link = dir.file("link.wav");
    fs::create_symlink(out, link);
    const std::string fifo = dir.file("fifo.wav");
    ASSERT_EQ(std::system(("mkfifo '" + fifo + "'").c_str()), 0);
    for (const std::string& target : {out, link, fifo}) {
        std::string err = "unchanged";
        AddHeadSilence(missing, target, 1, 0, err);
        EXPECT_EQ(err, OpenFailed + "MF");
        EXPECT_TRUE(fs::exists(fs::symlink_status(target))) << target;
    }
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(ReadFileBytes(out), before);
}

TEST_F(SilenceTest, RefusedSourcesGiveTheirTextAndLeaveTheTarget)
{
    WavSpec cd = Format(2, 44100, 16);
    WavSpec noData = cd;
    noData.dataSizeField = 0;  // bytes follow, yet the data is empty
    WavSpec compressed = cd;
    compressed.formatTag = 3;
    WavSpec noBits = cd;
    noBits.bits = 0;
    noBits.blockAlign = 4;
    // The fmt body's first 16 bytes lie within the 4096 bytes read, its end does not.
    WavSpec fmtCut = cd;
    fmtCut.chunksBeforeFmt = {{"JUNK", Bytes(4000, 0)}};
    fmtCut.fmtExtra = Bytes(200, 0);
    const Bytes whole = cd.build();
    Bytes noDataBytes(whole.begin(), whole.begin() + 36);  // RIFF, WAVE, fmt only ...
    noDataBytes = Concat(noDataBytes, Bytes(20, 0));       // ... then empty chunks to the end

    const std::pair<Bytes, std::string> cases[] = {
        {Bytes(whole.begin(), whole.begin() + 45), HeadReadFailed},
        {noData.build(), HeadNoData},
        {compressed.build(), HeadCompressed},
        {noBits.build(), HeadBadSample},
        {fmtCut.build(), FmtNotFound + "MF"},
    };
    WriteFileBytes(out, NoiseBytes(10));
    for (const auto& [source, text] : cases) {
        EXPECT_EQ(head(source, 1, 0), text);
        EXPECT_EQ(ReadFileBytes(out), NoiseBytes(10)) << text;
    }
    std::string err = head(noDataBytes, 1, 0);
    EXPECT_EQ(err, DataUnreadable + "MF\n" + src);
    EXPECT_EQ(ReadFileBytes(out), NoiseBytes(10));
}

TEST_F(SilenceTest, ATargetThatCannotBeCreatedIsNamed)
{
    out = dir.file("no-such-folder/out.wav");
    EXPECT_EQ(head(Format(2, 44100, 16).build(), 1, 0), HeadCreateFailed + out);
}

TEST_F(SilenceTest, TheSourceItselfIsNeverTheTarget)
{
    Bytes source = Format(2, 44100, 16).build();
    src = dir.write("in.wav", source);
    std::string err;
    AddHeadSilence(src, src, 1, 0, err);
    EXPECT_EQ(err, HeadCreateFailed + src);
    EXPECT_EQ(ReadFileBytes(src), source);
}

TEST_F(SilenceTest, ShortWritesAndFailedSeeksOfTheHeadSilence)
{
    // 1.3 s of CD audio. Writes: head 1, data header 2, the second's 5 full
    // buffers 3-7 and its rest 8, the tenths' full buffer 9 and rest 10, sizes 11-12.
    // Seeks: the data walk 1-2, the patch 3-5.
    const Bytes cd = Format(2, 44100, 16).build();
    const std::pair<int, std::string> writes[] = {
        {1, HeadWriteFailed}, {3, HeadWriteFailed}, {8, HeadRestFailed}, {10, HeadRestFailed}, {11, HeadPatchFailed}};
    for (const auto& [nth, text] : writes) {
        FileFaults::reset();
        FileFaults::failWrite = nth;
        EXPECT_EQ(head(cd, 1, 3), text) << "write " << nth;
        EXPECT_FALSE(outExists());
    }
    for (const int nth : {1, 4}) {
        FileFaults::reset();
        FileFaults::failSeek = nth;
        const std::string err = head(cd, 1, 3);
        EXPECT_EQ(err, nth == 1 ? DataSeekFailed + "MF\n" + src : HeadPatchFailed) << "seek " << nth;
        EXPECT_FALSE(outExists());
    }
}

TEST_F(SilenceTest, TooLongASilenceOrNoBufferKeepsTheDefaultText)
{
    EXPECT_EQ(head(Format(2, 44100, 16).build(), 2147483647, 0), HeadDefault + "2147483647.0");
    EXPECT_FALSE(outExists());
    BufferFaults::failAbove = 0;
    EXPECT_EQ(head(Format(2, 44100, 16).build(), 2, 5), HeadDefault + "2.5");
}

// --- AddTailSilence ----------------------------------------------------------

TEST_F(SilenceTest, TailSilenceOverwritesATrailingChunk)
{
    WavSpec cd = Format(2, 44100, 16, 1000);
    WavSpec withChunk = cd;
    withChunk.chunksAfter = {{"LIST", NoiseBytes(100, 3)}};
    ASSERT_EQ(tail(withChunk.build(), 1, 0), "");
    EXPECT_EQ(ReadFileBytes(src), WithData(cd, Concat(cd.data, Bytes(176400, 0))).build());
}

TEST_F(SilenceTest, TailSilenceShorterThanTheTrailingChunkLeavesItsRestBeyondTheRiffEnd)
{
    WavSpec mono8 = Format(1, 8000, 8, 501);  // odd data, no pad byte
    mono8.chunksAfter = {{"LIST", NoiseBytes(2000, 4)}};
    const Bytes before = mono8.build();
    ASSERT_EQ(tail(before, 0, 1), "");
    const Bytes after = ReadFileBytes(src);
    ASSERT_EQ(after.size(), before.size());
    const size_t dataEnd = 44 + 501;
    EXPECT_EQ(ReadU32(after, 40), 501u + 800u);
    EXPECT_EQ(ReadU32(after, 4), dataEnd + 800 - 8);
    EXPECT_EQ(Bytes(after.begin() + dataEnd, after.begin() + dataEnd + 800), Bytes(800, 0x80));
    EXPECT_EQ(Bytes(after.begin() + dataEnd + 800, after.end()), Bytes(before.begin() + dataEnd + 800, before.end()));
    EXPECT_EQ(Bytes(after.begin() + 8, after.begin() + 40), Bytes(before.begin() + 8, before.begin() + 40));
}

TEST_F(SilenceTest, TailSilenceRefusals)
{
    WavSpec cd = Format(2, 44100, 16);
    WavSpec cut = cd;
    cut.dataSizeField = 1000;  // only 400 bytes follow
    WavSpec noData = cd;
    noData.dataSizeField = 0;  // bytes follow, yet the data is empty
    WavSpec compressed = cd;
    compressed.formatTag = 0xFFFE;
    WavSpec noBits = cd;
    noBits.bits = 0;
    noBits.blockAlign = 4;
    const Bytes whole = cd.build();
    const std::pair<Bytes, std::string> cases[] = {
        {cut.build(), TailOffset},
        {noData.build(), TailNoData},
        {compressed.build(), TailCompressed},
        {noBits.build(), TailBadSample},
        {Bytes(whole.begin(), whole.begin() + 45), "WAVファイルの読み出しに失敗しました・・・EA"},
        // The silence would overwrite the fmt chunk.
        {DataBeforeFmt(cd), TailFmtBehindData + dir.file("in.wav")},
    };
    for (const auto& [file, text] : cases) {
        EXPECT_EQ(tail(file, 1, 0), text);
        EXPECT_EQ(ReadFileBytes(src), file) << text;
    }
    std::string err;
    const std::string missing = dir.file("missing.wav");
    AddTailSilence(missing, 1, 0, err);
    EXPECT_EQ(err, OpenFailedTail + missing);
}

TEST_F(SilenceTest, AFailedTailSilenceLeavesTheFileByteForByteAsItWas)
{
    // Writes: one full buffer, the rest, the data size, the RIFF size.
    const Bytes cd = Format(2, 44100, 16).build();
    const std::pair<int, std::string> writes[] = {
        {1, TailWriteFailed}, {2, TailRestFailed}, {3, TailWriteFailed}, {4, TailWriteFailed}};
    for (const auto& [nth, text] : writes) {
        FileFaults::reset();
        FileFaults::failWrite = nth;
        EXPECT_EQ(tail(cd, 0, 3), text) << "write " << nth;
        EXPECT_EQ(ReadFileBytes(src), cd) << "write " << nth;
    }
    // Seeks: the walk (2), the end (3), the data size field (4), offset 4 (5).
    FileFaults::reset();
    FileFaults::failSeek = 3;
    EXPECT_EQ(tail(cd, 0, 3), TailOffset);
    FileFaults::reset();
    FileFaults::failSeek = 5;
    EXPECT_EQ(tail(cd, 0, 3), TailWriteFailed);
    EXPECT_EQ(ReadFileBytes(src), cd);

    // A chunk behind the data, overwritten by the silence, is put back too.
    // Writes: the kept chunk 1, the silence 2-3, the size fields 4-5.
    WavSpec withChunk = Format(2, 44100, 16);
    withChunk.chunksAfter = {{"LIST", NoiseBytes(3000, 5)}};
    const Bytes chunked = withChunk.build();
    for (int nth : {1, 3, 5}) {
        FileFaults::reset();
        FileFaults::failWrite = nth;
        EXPECT_NE(tail(chunked, 0, 3), "") << "write " << nth;
        EXPECT_EQ(ReadFileBytes(src), chunked) << "write " << nth;
    }

    // A file that cannot be cut back says so after the routine's own text.
    FileFaults::reset();
    FileFaults::failWrite = 2;
    FileFaults::failTruncate = 1;
    EXPECT_EQ(tail(cd, 0, 3), TailRestFailed + TailRestoreFailed + src);
}

TEST_F(SilenceTest, BothSilencesRefuseAFormatWithoutBytesPerSecond)
{
    WavSpec noRate = Format(2, 44100, 16);
    noRate.sampleRate = 0;
    WavSpec noAlign = Format(2, 44100, 16);
    noAlign.blockAlign = 0;
    for (const WavSpec& spec : {noRate, noAlign}) {
        const Bytes file = spec.build();
        EXPECT_EQ(head(file, 1, 5), NoBytesPerSec + "MF");
        EXPECT_EQ(tail(file, 1, 5), NoBytesPerSec + "EA");
        EXPECT_EQ(ReadFileBytes(src), file);
    }
}

TEST_F(SilenceTest, TailDefaultTextNamesLengthAndFile)
{
    BufferFaults::failAbove = 0;
    const std::string err = tail(Format(2, 44100, 16).build(), 1, 5);
    EXPECT_EQ(err, TailDefault + "1.5\n" + src);
}

TEST_F(SilenceTest, TailSilenceMustLeaveBothSizeFieldsRepresentable)
{
    // A sparse file whose RIFF size would reach exactly 2^32 - 1 after 0.1 s
    // (8-bit mono: every byte is a frame).
    WavSpec cd = Format(1, 44100, 8, 0);
    const int64_t dataSize = 0xFFFFFFFFLL + 8 - 44 - 4410;
    cd.dataSizeField = dataSize;
    const std::string path = dir.write("big.wav", cd.build());
    std::filesystem::resize_file(path, 44 + dataSize);

    std::string err;
    AddTailSilence(path, 0, 2, err);  // one tenth too many
    EXPECT_EQ(err, TailDefault + "0.2\n" + path);
    EXPECT_EQ(std::filesystem::file_size(path), static_cast<uintmax_t>(44 + dataSize));

    AddTailSilence(path, 0, 1, err);
    ASSERT_EQ(err, "");
    const Bytes head = [&] {
        Bytes all(44);
        std::ifstream in(path, std::ios::binary);
        in.read(reinterpret_cast<char*>(all.data()), 44);
        return all;
    }();
    EXPECT_EQ(ReadU32(head, 4), 0xFFFFFFFFu);
    EXPECT_EQ(ReadU32(head, 40), static_cast<uint32_t>(dataSize + 4410));
}

}  // namespace
