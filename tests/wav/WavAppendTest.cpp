// WavAppend: one file's samples joined to the end of another's data, in place.
#include <filesystem>

#include "CopyRoutineTest.h"
#include "WavAppend.h"

namespace {

class WavAppendTest : public CopyRoutineTest {
protected:
    // Appends sourceBytes to a target holding targetBytes; returns the error text.
    std::string append(const Bytes& targetBytes, const Bytes& sourceBytes)
    {
        dir.write("out.wav", targetBytes);
        return run(WavAppend, sourceBytes);
    }
};

// The single file that target + source should make.
Bytes Joined(WavSpec target, const WavSpec& source)
{
    target.data.insert(target.data.end(), source.data.begin(), source.data.end());
    return target.build();
}

TEST_F(WavAppendTest, TwoHalfSecondsMakeOneSecond)
{
    WavSpec first = Mono8k(4000, 1), second = Mono8k(4000, 2);
    ASSERT_EQ(append(first.build(), second.build()), "");
    Bytes out = output();
    EXPECT_EQ(out, Joined(first, second));
    EXPECT_EQ(ReadU32(out, 40), 8000u);
    EXPECT_EQ(ReadU32(out, 4), 44u + 8000u - 8u);
}

TEST_F(WavAppendTest, SeveralLoadsWithAndWithoutARest)
{
    WorkBufSize = 8192;  // 8000-byte loads
    WavSpec target = Mono8k(100, 1);
    for (size_t size : {2 * 8000u + 500u, 2 * 8000u}) {
        WavSpec source = Mono8k(size, 3);
        ASSERT_EQ(append(target.build(), source.build()), "") << size;
        EXPECT_EQ(output(), Joined(target, source)) << size;
    }
}

TEST_F(WavAppendTest, ChunkAfterTheTargetsDataIsOverwrittenAndTheFileNeverShortened)
{
    WavSpec target = Mono8k(4000);
    target.chunksAfter = {{"LIST", Bytes(100, 'x')}};
    WavSpec source = Mono8k(40, 2);
    Bytes expected = target.build();  // 44 + 4000 + 108 bytes
    std::copy(source.data.begin(), source.data.end(), expected.begin() + 44 + 4000);
    PutU32At(expected, 40, 4040);
    PutU32At(expected, 4, 44 + 4040 - 8);  // the RIFF size ends at the new end of data
    ASSERT_EQ(append(target.build(), source.build()), "");
    EXPECT_EQ(output(), expected);
}

TEST_F(WavAppendTest, RefusalsLeaveTheTargetUntouched)
{
    WavSpec claimsTooMuch = Mono8k(4000);
    claimsTooMuch.dataSizeField = 4001;
    Bytes target = claimsTooMuch.build();
    EXPECT_EQ(append(target, Mono8k(10).build()), "WAVファイルサイズに不正があります・・・K\n" + this->target());
    EXPECT_EQ(output(), target);

    target = CdStereo(400).build();
    WavSpec otherFormat = CdStereo(400);
    otherFormat.sampleRate = 22050;
    otherFormat.channels = 1;
    EXPECT_EQ(append(target, otherFormat.build()),
              "WAVフォーマットが違います・・・KD\n" + this->target() + "\n44100\n2\n4\n" + source() + "\n22050\n1\n2");
    WavSpec eightBit = CdStereo(400);
    eightBit.bits = 8;  // same rate and channels, block align 2
    EXPECT_NE(append(target, eightBit.build()), "");
    WavSpec compressed = CdStereo(400);
    compressed.formatTag = 3;
    EXPECT_EQ(append(target, compressed.build()), "圧縮データは結合できません・・・KD");
    EXPECT_EQ(output(), target);

    std::filesystem::remove(this->target());
    std::string err;
    WavAppend(dir.write("in.wav", Mono8k(10).build()), this->target(), err);
    EXPECT_EQ(err, "WAVファイルの読み出しに失敗しましたOP・・・K");
}

TEST_F(WavAppendTest, AFailedAppendLeavesTheTargetByteForByteAsItWas)
{
    WorkBufSize = 8192;
    WavSpec target = Mono8k(100);
    WavSpec broken = Mono8k(8000 + 20, 2);
    broken.dataSizeField = 8000 + 50;  // the shortfall falls in the rest, after one load was written
    EXPECT_EQ(append(target.build(), broken.build()), "WAVファイルの読み出しに失敗しました・・・KD_A");
    EXPECT_EQ(output(), target.build());

    // A chunk behind the data is overwritten as the samples go in, and put back.
    // Writes: the kept chunk 1, loads 2-3, rest 4, size fields 5-6.
    target.chunksAfter = {{"LIST", NoiseBytes(5000, 4)}};
    const Bytes withChunk = target.build();
    for (int nth : {1, 3, 5, 6}) {
        FileFaults::failWrite = nth;
        EXPECT_NE(append(withChunk, Mono8k(2 * 8000 + 500, 2).build()), "") << nth;
        EXPECT_EQ(output(), withChunk) << nth;
    }
    // A succeeding append still overwrites it and leaves its rest behind the new data.
    WavSpec small = Mono8k(40, 3);
    ASSERT_EQ(append(withChunk, small.build()), "");
    Bytes expected = withChunk;
    std::copy(small.data.begin(), small.data.end(), expected.begin() + 144);
    PutU32At(expected, 40, 140);
    PutU32At(expected, 4, 44 + 140 - 8);
    EXPECT_EQ(output(), expected);
}

TEST_F(WavAppendTest, ATargetThatCannotBeCutBackIsReported)
{
    const std::string restoreFailed = "\nWAVファイルを元に戻せませんでした・・・K\n" + this->target();
    const Bytes target = Mono8k(100).build();
    FileFaults::failWrite = 1;
    FileFaults::failTruncate = 1;
    EXPECT_EQ(append(target, Mono8k(300).build()), "WAVファイルの書き込みに失敗しました・・・KD_A" + restoreFailed);

    // With a chunk behind the data, success drops the copy kept of it; when
    // that fails, the target is put back (the second cut succeeds) ...
    WavSpec withChunk = Mono8k(100);
    withChunk.chunksAfter = {{"LIST", NoiseBytes(50, 4)}};
    FileFaults::failTruncate = 1;
    EXPECT_EQ(append(withChunk.build(), Mono8k(300).build()),
              "WAVファイルの長さを整えられませんでした・・・K\n" + this->target());
    EXPECT_EQ(output(), withChunk.build());
    // ... and when that fails too, both are said. Writes: the kept chunk 1, the
    // samples 2, the size fields 3-4, the chunk put back 5.
    FileFaults::failTruncate = 1;
    FileFaults::failWrite = 5;
    EXPECT_EQ(append(withChunk.build(), Mono8k(300).build()),
              "WAVファイルの長さを整えられませんでした・・・K\n" + this->target() + restoreFailed);
}

TEST_F(WavAppendTest, TheTargetItselfUnderAnyNameIsRefusedAsASourceThatCannotBeOpened)
{
    namespace fs = std::filesystem;
    const Bytes target = Mono8k(100).build();
    const std::string path = dir.write("out.wav", target);
    fs::create_directory(dir.path() / "sub");
    std::error_code ec;
    fs::create_symlink(path, dir.path() / "link.wav", ec);
    fs::create_hard_link(path, dir.path() / "hard.wav", ec);
    for (const fs::path& name : {fs::path(path), dir.path() / "." / "out.wav", dir.path() / "sub" / ".." / "out.wav",
                                 dir.path() / "link.wav", dir.path() / "hard.wav"}) {
        if (!fs::exists(name)) continue;  // no links on this file system
        std::string err;
        WavAppend(name.string(), path, err);
        EXPECT_EQ(err, "WAVファイルの読み出しに失敗しましたOP・・・KD") << name;
        EXPECT_EQ(ReadFileBytes(path), target) << name;
    }
}

TEST_F(WavAppendTest, ATargetWhoseFmtChunkFollowsItsDataIsRefused)
{
    const Bytes target = DataBeforeFmt(Mono8k(100));
    EXPECT_EQ(append(target, Mono8k(300).build()),
              "WAVフォーマットがデータエリアの後ろにあるため結合できません・・・K\n" + this->target());
    EXPECT_EQ(output(), target);
}

TEST_F(WavAppendTest, EveryFailedTransferHasItsMessage)
{
    WorkBufSize = 8192;
    Bytes target = Mono8k(4000).build();
    Bytes sourceBytes = Mono8k(2 * 8000 + 500, 2).build();
    // I/O in order: reads = target head and its two chunk headers, the same of
    // the source, then loads; writes = loads, then the two size fields; seeks =
    // the target's two chunk headers and its end, the source's two chunk
    // headers and its data start, then the two size fields.
    const std::string sizeFields = "WAVファイルの書き出しに失敗しました・・・K_D";
    struct Case {
        int64_t* counter;
        int64_t nth;
        std::string text;
    } cases[] = {
        {&FileFaults::failRead, 7, "WAVファイルの読み出しに失敗しました・・・KD"},
        {&FileFaults::failRead, 9, "WAVファイルの読み出しに失敗しました・・・KD_A"},
        {&FileFaults::failWrite, 1, "WAVファイルの書き込みに失敗しました・・・KD"},
        {&FileFaults::failWrite, 3, "WAVファイルの書き込みに失敗しました・・・KD_A"},
        {&FileFaults::failWrite, 4, sizeFields},  // three bytes of the field got written
        {&FileFaults::failWrite, 5, sizeFields},
        {&FileFaults::failSeek, 1, "データエリアが見つかりませんでした・・・off_K\n" + this->target()},
        {&FileFaults::failSeek, 4, "データエリアが見つかりませんでした・・・off_KD\n" + source()},
        {&FileFaults::failSeek, 6, "WAVファイルの読み出しに失敗しましたS・・・KD"},
        {&FileFaults::failSeek, 7, sizeFields},
        {&FileFaults::failSeek, 8, sizeFields},
    };
    for (const Case& c : cases) {
        *c.counter = c.nth;
        EXPECT_EQ(append(target, sourceBytes), c.text) << c.nth;
        EXPECT_EQ(output(), target) << c.nth;  // every failure leaves the target as it was
    }
}

TEST_F(WavAppendTest, JoinThatWouldPassFourGibibytesIsRefused)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs a sparse 4 GiB target";
#endif
    WavSpec big = Mono8k(0);
    big.dataSizeField = 0xFFFFFF00u;
    std::string path = dir.write("out.wav", big.build());
    std::filesystem::resize_file(path, 44 + 0xFFFFFF00ull);  // sparse: takes no room
    std::string err;
    WavAppend(dir.write("in.wav", Mono8k(500).build()), path, err);
    EXPECT_EQ(err, "WAVファイルサイズに不正があります・・・K\n" + path);
    EXPECT_EQ(std::filesystem::file_size(path), 44 + 0xFFFFFF00ull);
}

}  // namespace
