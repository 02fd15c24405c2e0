// CopyWav: the normalised copy of a file's head and all of its samples.
#include "CopyRoutineTest.h"
#include "Channels.h"
#include "Fmt16.h"
#include "Silence.h"
#include "WaveRange.h"
#include "WavCopy.h"

namespace {

class WavCopyTest : public CopyRoutineTest {
protected:
    std::string copy(const Bytes& sourceBytes) { return run(CopyWav, sourceBytes); }
};

const std::string DefaultText = "WAVファイルコピーに失敗しました・・・WC2";

TEST_F(WavCopyTest, KeepsTheHeadUpToFmtAndDropsEveryOtherChunk)
{
    WorkBufSize = 8192;  // two full loads of 7056 bytes and a rest of 100
    WavSpec s = CdStereo(2 * 7056 + 100);
    s.fmtExtra = {0, 0};
    s.chunksBeforeFmt = {{"LIST", Bytes(10, 'b')}};
    s.chunksBetween = {{"fact", Bytes(4, 'f')}};
    s.chunksAfter = {{"LIST", Bytes(30, 'a')}};
    ASSERT_EQ(copy(s.build()), "");
    Bytes out = output();
    EXPECT_EQ(out, Normalised(s).build());
    EXPECT_EQ(ReadU32(out, 4), out.size() - 8);
}

TEST_F(WavCopyTest, ExactMultipleOfTheLoadAndAnOddSize)
{
    WorkBufSize = 8192;
    for (size_t size : {3 * 8000u, 8001u, 7u}) {
        WavSpec s = Mono8k(size);
        ASSERT_EQ(copy(s.build()), "") << size;
        EXPECT_EQ(output(), s.build()) << size;
    }
}

TEST_F(WavCopyTest, DataClaimingMoreThanTheFileHoldsFailsOnTheShortRead)
{
    WorkBufSize = 8192;
    WavSpec inBlock = CdStereo(1000);
    inBlock.dataSizeField = 3 * 7056;
    EXPECT_EQ(copy(inBlock.build()), "WAVファイルの読み出しに失敗しました・・・WC2");

    WavSpec inRest = CdStereo(7056 + 50);
    inRest.dataSizeField = 7056 + 100;
    EXPECT_EQ(copy(inRest.build()), "WAVファイルの読み出しに失敗しました・・・WC2_A");
    // Nothing half-made is left, under the target's name or any other.
    EXPECT_EQ(FolderNames(dir.path()), std::set<std::string>{"in.wav"});
}

TEST_F(WavCopyTest, EveryFailedTransferHasItsMessage)
{
    WorkBufSize = 8192;
    Bytes sourceBytes = CdStereo(2 * 7056 + 100).build();
    // I/O in order: reads = head, fmt and data chunk headers, loads; writes =
    // head, data header, loads, size fields; seeks = two chunk headers, data
    // start, then the three of the size patch.
    struct Case {
        int64_t* counter;
        int64_t nth;
        std::string text;
    } cases[] = {
        {&FileFaults::failRead, 4, "WAVファイルの読み出しに失敗しました・・・WC2"},
        {&FileFaults::failRead, 6, "WAVファイルの読み出しに失敗しました・・・WC2_A"},
        {&FileFaults::failWrite, 1, "WAVファイルの書き出しに失敗しました・・・WC2"},
        {&FileFaults::failWrite, 2, "WAVファイルの書き出しに失敗しました・・・WC2"},
        {&FileFaults::failWrite, 4, "WAVファイルの書き込みに失敗しました・・・WC2"},
        {&FileFaults::failWrite, 5, "WAVファイルの書き込みに失敗しました・・・WC2_A"},
        {&FileFaults::failWrite, 6, DefaultText},
        {&FileFaults::failSeek, 1, "データエリアが見つかりませんでした・・・off_WC2\n" + source()},
        {&FileFaults::failSeek, 3, "オフセットが範囲を超えています・・・WC2"},
        {&FileFaults::failSeek, 4, DefaultText},
        {&FileFaults::failSeek, 6, DefaultText},
    };
    for (const Case& c : cases) {
        *c.counter = c.nth;
        EXPECT_EQ(copy(sourceBytes), c.text) << c.nth;
    }
}

TEST_F(WavCopyTest, RefusalsWriteNothing)
{
    WavSpec s = CdStereo(400);
    Bytes fmtBeyondHead = s.build();
    fmtBeyondHead.resize(60);
    PutU32At(fmtBeyondHead, 16, 5000);  // fmt chunk runs past the bytes read
    EXPECT_EQ(copy(fmtBeyondHead), std::string("WAVフォーマットが見つかりませんでした・・・") + "WC2");
    Bytes whole = s.build();
    EXPECT_EQ(copy(Bytes(whole.begin(), whole.begin() + 45)), "WAVファイルのサイズが小さすぎます・・・WC2\n" + source());
    WavSpec compressed = s;
    compressed.formatTag = 3;
    EXPECT_EQ(copy(compressed.build()), std::string("圧縮データは変換できません・・・") + "WC2");
    WorkBufSize = 7055;  // less than one 40 ms block
    EXPECT_EQ(copy(s.build()), "総読み込みバイト数が異状です・・・WC2");
    WorkBufSize = DefaultWorkBufSize;
    BufferFaults::failAbove = 0;
    EXPECT_EQ(copy(s.build()), DefaultText);
    EXPECT_FALSE(outputExists());
}

TEST_F(WavCopyTest, TargetThatCannotBeCreated)
{
    std::string err;
    std::string folderTarget = dir.path().string();
    std::string src = dir.write("in.wav", CdStereo(400).build());
    CopyWav(src, folderTarget, err);
    EXPECT_EQ(err, "新規ファイルの作成にッ失敗しました・・・WC2\n" + folderTarget);
}

}  // namespace

// Every routine that creates its target while it reads its source refuses a
// target that is the source itself, also through a hard link, and keeps it.
TEST_F(WavCopyTest, ATargetThatIsTheSourceIsRefusedAndKept)
{
    WavSpec wav;
    wav.fmtExtra = {0, 0};
    wav.data = NoiseBytes(400);
    const Bytes original = wav.build();
    const std::string path = dir.write("in.wav", original);
    const std::string link = dir.file("link.wav");
    std::filesystem::create_hard_link(path, link);
    const std::vector<std::pair<Routine, std::string>> routines = {
        {CopyWav, "WC2"},
        {WavSwapChannels, "RV"},
        {WavFmt18To16, "FC"},
        {[](const std::string& s, const std::string& t, std::string& e) { WavSplitChannel(s, t, true, e); }, "LR"},
    };
    for (const auto& [routine, code] : routines) {
        for (const std::string& target : {path, link}) {
            std::string err;
            routine(path, target, err);
            EXPECT_EQ(err, "新規ファイルの作成にッ失敗しました・・・" + code + "\n" + target);
            EXPECT_EQ(ReadFileBytes(path), original) << code;
        }
    }
}

// Every routine that makes a new file makes it whole or not at all: a failed
// write or a failed rename leaves the file that stood at the target as it was
// and no temporary file; success replaces it whole.
TEST_F(WavCopyTest, ANewFileAppearsWholeOrNotAtAll)
{
    WavSpec wav;
    wav.fmtExtra = {0, 0};
    wav.data = NoiseBytes(400);
    const std::string path = dir.write("in.wav", wav.build());
    const std::vector<Routine> routines = {
        CopyWav,
        WavSwapChannels,
        WavFmt18To16,
        [](const std::string& s, const std::string& t, std::string& e) { WavSplitChannel(s, t, true, e); },
        [](const std::string& s, const std::string& t, std::string& e) { AddHeadSilence(s, t, 0, 1, e); },
        [](const std::string& s, const std::string& t, std::string& e) {
            const auto layout = ReadWaveLayout(s);
            e = layout ? SaveWaveRange(s, *layout, 0, layout->frameCount, t) : "no layout";
        },
    };
    const Bytes old = NoiseBytes(50, 9);
    for (size_t i = 0; i < routines.size(); ++i) {
        for (int64_t* fault : {&FileFaults::failWrite, &FileFaults::failRename}) {
            WriteFileBytes(target(), old);
            *fault = 1;
            std::string err;
            routines[i](path, target(), err);
            FileFaults::reset();
            EXPECT_NE(err, "") << i;
            EXPECT_EQ(output(), old) << i;
            EXPECT_EQ(FolderNames(dir.path()), (std::set<std::string>{"in.wav", "out.wav"})) << i;
        }
        std::string err = "not set";
        routines[i](path, target(), err);
        EXPECT_EQ(err, "") << i;
        EXPECT_NE(output(), old) << i;
        EXPECT_EQ(FolderNames(dir.path()), (std::set<std::string>{"in.wav", "out.wav"})) << i;
    }
}
