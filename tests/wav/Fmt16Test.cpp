// WavFmt18To16: a copy whose 18-byte `fmt ` chunk becomes 16 bytes.
#include "CopyRoutineTest.h"
#include "Fmt16.h"

namespace {

class Fmt16Test : public CopyRoutineTest {
protected:
    std::string convert(const Bytes& sourceBytes) { return run(WavFmt18To16, sourceBytes); }
};

const std::string DefaultText = "fmtヘッダー 18>>16変換に失敗しました・・・FC";

WavSpec Eighteen(size_t dataBytes)
{
    WavSpec s = CdStereo(dataBytes);
    s.fmtExtra = {0, 0};
    return s;
}

// The file the conversion should make of s.
Bytes SixteenOf(WavSpec s)
{
    s.fmtExtra.clear();
    return Normalised(s).build();
}

TEST_F(Fmt16Test, FortySixByteHeadBecomesFortyFour)
{
    WorkBufSize = 8192;  // two loads and a rest
    WavSpec s = Eighteen(2 * 7056 + 10);
    Bytes source = s.build();
    ASSERT_EQ(convert(source), "");
    Bytes out = output();
    EXPECT_EQ(out, SixteenOf(s));
    EXPECT_EQ(out.size(), source.size() - 2);
    EXPECT_EQ(ReadU32(out, 4), ReadU32(source, 4) - 2);
    EXPECT_TRUE(std::equal(out.begin() + 44, out.end(), source.begin() + 46));
}

TEST_F(Fmt16Test, ChunkBeforeFmtIsKeptAndOneBeforeDataDropped)
{
    WavSpec s = Eighteen(500);
    s.chunksBeforeFmt = {{"LIST", Bytes(12, 'b')}};
    s.chunksBetween = {{"LIST", Bytes(12, 'm')}};
    s.chunksAfter = {{"LIST", Bytes(12, 'a')}};
    ASSERT_EQ(convert(s.build()), "");
    EXPECT_EQ(output(), SixteenOf(s));
}

TEST_F(Fmt16Test, RefusalsComeInOrderAndWriteNothing)
{
    WavSpec sixteen = CdStereo(400);
    EXPECT_EQ(convert(sixteen.build()), "fmt 16バイト、変換不要・・・FC");
    WavSpec extension = Eighteen(400);
    extension.fmtExtra = {22, 0};
    EXPECT_EQ(convert(extension.build()), "拡張情報サイズが、0では無いので変換できません・・・FC");
    WavSpec forty = CdStereo(400);
    forty.fmtExtra = Bytes(24, 0);
    EXPECT_EQ(convert(forty.build()), "fmt 18バイトではない、変換出来ません・・・FC");
    // The size checks come before the format tag, the data size before them all.
    WavSpec compressed = Eighteen(400);
    compressed.formatTag = 3;
    EXPECT_EQ(convert(compressed.build()), "圧縮データは変換できません・・・FC");
    compressed.fmtExtra.clear();
    EXPECT_EQ(convert(compressed.build()), "fmt 16バイト、変換不要・・・FC");
    WavSpec empty = CdStereo(16);
    empty.dataSizeField = 0;
    empty.formatTag = 3;
    EXPECT_EQ(convert(empty.build()), "データがありません・・・FC");
    EXPECT_FALSE(outputExists());
}

TEST_F(Fmt16Test, EveryFailedTransferHasItsMessage)
{
    WorkBufSize = 8192;
    Bytes source = Eighteen(2 * 7056 + 10).build();
    // I/O in order: reads = head, two chunk headers, loads; writes = head,
    // data header, loads, size fields; seeks = two chunk headers, the data
    // start, then the size fields.
    struct Case {
        int64_t* counter;
        int64_t nth;
        std::string text;
    } cases[] = {
        {&FileFaults::failWrite, 1, "WAVファイルの書き出しに失敗しました・・・1FC"},
        {&FileFaults::failWrite, 2, "WAVファイルの書き出しに失敗しました・・・FC"},
        {&FileFaults::failRead, 6, "WAVファイルの読み出しに失敗しました・・・FC_A"},
        {&FileFaults::failSeek, 3, "オフセットが範囲を超えています・・・FC"},
        {&FileFaults::failSeek, 5, DefaultText},
    };
    for (const Case& c : cases) {
        *c.counter = c.nth;
        EXPECT_EQ(convert(source), c.text) << c.nth;
    }
}

}  // namespace
