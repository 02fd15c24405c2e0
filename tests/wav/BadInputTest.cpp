// Damaged headers that could cost more than an error: data that ends in a
// partial frame, less than one frame of data, a data size the file does not
// hold or a size field would not hold. Each is refused before any byte is
// written, or joined on frames.
#include <filesystem>
#include <functional>

#include "Channels.h"
#include "CopyRoutineTest.h"
#include "Fade.h"
#include "Fmt16.h"
#include "Silence.h"
#include "SilenceTrim.h"
#include "SizeChecks.h"
#include "WavAppend.h"
#include "WavCopy.h"
#include "WavInfo.h"

namespace {

// A routine run on a source (and an output or second file where it takes one).
struct Call {
    std::string code;
    std::function<void(const std::string& source, const std::string& out, std::string& err)> run;
};

const Call Routines[] = {
    {"WC2", [](auto& s, auto& o, auto& e) { CopyWav(s, o, e); }},
    {"MF", [](auto& s, auto& o, auto& e) { AddHeadSilence(s, o, 1, 0, e); }},
    {"LR", [](auto& s, auto& o, auto& e) { WavSplitChannel(s, o, true, e); }},
    {"RV", [](auto& s, auto& o, auto& e) { WavSwapChannels(s, o, e); }},
    {"FC", [](auto& s, auto& o, auto& e) { WavFmt18To16(s, o, e); }},
    {"MC", [](auto& s, auto& o, auto& e) { TrimSilence(s, o, SilenceCut::Both, {}, e); }},
    {"F", [](auto& s, auto&, auto& e) { FadeInOut(s, e, 1, 1, 0, 0); }},
    {"EA", [](auto& s, auto&, auto& e) { AddTailSilence(s, 1, 0, e); }},
    {"GW", [](auto& s, auto&, auto& e) { GetWavInfo(s, e); }},
    {"KD", [](auto& s, auto& o, auto& e) { WavAppend(s, o, e); }},
    {"K", [](auto& s, auto& o, auto& e) { WavAppend(o, s, e); }},
};

class BadInputTest : public CopyRoutineTest {
protected:
    // Runs a routine with every write of the file layer made to fail: a
    // routine that refuses before writing gives its refusal, one that writes
    // first a write text. Leaves the folder as it was apart from the files
    // given; returns the error text.
    std::string refuse(const std::function<void(std::string&)>& routine)
    {
        const auto before = FolderNames(dir.path());
        std::string err;
        FileFaults::failWrite = 1;
        routine(err);
        EXPECT_EQ(FileFaults::failWrite, 1) << "a byte was written before the refusal";
        FileFaults::reset();
        EXPECT_EQ(FolderNames(dir.path()), before);
        return err;
    }

    // A sparse file: the header's bytes, then nothing but a length.
    std::string sparse(const std::string& name, const WavSpec& spec, int64_t length)
    {
        const std::string path = dir.write(name, spec.build());
        std::filesystem::resize_file(path, static_cast<uintmax_t>(length));
        return path;
    }
};

// 16-bit stereo at 8000 Hz: frames of 4 bytes, 32,000 bytes a second.
WavSpec Stereo8k(size_t dataBytes, uint32_t seed = 1)
{
    WavSpec s = CdStereo(dataBytes, seed);
    s.sampleRate = 8000;
    return s;
}

Bytes Slice(const Bytes& b, size_t from, size_t n) { return Bytes(b.begin() + from, b.begin() + from + n); }

TEST_F(BadInputTest, AJoinAppendsWholeFramesOverAPartialOne)
{
    WavSpec first = Stereo8k(401, 1), second = Stereo8k(403, 2);
    dir.write("out.wav", first.build());
    std::string err;
    WavAppend(dir.write("in.wav", second.build()), target(), err);
    ASSERT_EQ(err, "");
    WavSpec joined = Stereo8k(0);
    joined.data = Slice(first.data, 0, 400);
    const Bytes secondWhole = Slice(second.data, 0, 400);
    joined.data.insert(joined.data.end(), secondWhole.begin(), secondWhole.end());
    EXPECT_EQ(output(), joined.build());  // 800 bytes of data, no stale byte behind them

    // A failed append puts the partial frame back, with the rest of the target.
    const Bytes before = first.build();
    dir.write("out.wav", before);
    FileFaults::failWrite = 2;  // the kept partial frame is copied, the samples fail
    WavAppend(source(), target(), err);
    EXPECT_EQ(err, "WAVファイルの書き込みに失敗しました・・・KD_A");
    EXPECT_EQ(output(), before);
}

TEST_F(BadInputTest, SilenceAndFadesKeepToWholeFrames)
{
    // Tail silence starts on a frame, over the partial one.
    WavSpec cut = Stereo8k(402);
    const std::string file = dir.write("in.wav", cut.build());
    std::string err;
    AddTailSilence(file, 0, 1, err);
    ASSERT_EQ(err, "");
    WavSpec silenced = cut;
    silenced.data.resize(400);
    silenced.data.resize(400 + 3200, 0);
    EXPECT_EQ(ReadFileBytes(file), silenced.build());

    // The fade-out ends with the last whole frame and scales whole samples;
    // the partial frame behind it stays as it is.
    WavSpec mono;
    mono.channels = 1;
    mono.sampleRate = 8000;
    for (int i = 0; i < 8000; ++i) AppendU16(mono.data, 1000);
    mono.data.push_back(0x77);
    dir.write("fade.wav", mono.build());
    FadeInOut(dir.file("fade.wav"), err, 0, 1, 0, 0);
    ASSERT_EQ(err, "");
    const Bytes faded = ReadFileBytes(dir.file("fade.wav"));
    EXPECT_EQ(ReadU16(faded, 44), 990);            // gain 99/100
    EXPECT_EQ(ReadU16(faded, 44 + 2 * 7999), 0);   // the last 10 ms are silent
    EXPECT_EQ(faded.back(), 0x77);
}

TEST_F(BadInputTest, LessThanOneFrameIsNoDataForEveryRoutine)
{
    WavSpec partial = Stereo8k(3);
    partial.fmtExtra = {0, 0};  // 18 bytes, so that the fmt rewrite reaches its data check
    const Bytes sourceBytes = partial.build();
    const Bytes whole = Stereo8k(400).build();
    for (const Call& call : Routines) {
        const std::string src = dir.write("in.wav", sourceBytes);
        if (call.code == "KD" || call.code == "K") dir.write("out.wav", whole);
        EXPECT_EQ(refuse([&](std::string& err) { call.run(src, target(), err); }), "データがありません・・・" + call.code)
            << call.code;
        EXPECT_EQ(ReadFileBytes(src), sourceBytes) << call.code;
        std::filesystem::remove(target());
    }
}

TEST_F(BadInputTest, DataTheFileDoesNotHoldIsRefusedBeforeWriting)
{
    WorkBufSize = 8192;  // loads of 7,680 bytes
    WavSpec claims = Stereo8k(1000);
    claims.dataSizeField = 2 * 7680;
    const std::string src = dir.write("in.wav", claims.build());
    const std::string out = target();
    EXPECT_EQ(refuse([&](auto& e) { CopyWav(src, out, e); }), "WAVファイルの読み出しに失敗しました・・・WC2");
    EXPECT_EQ(refuse([&](auto& e) { WavSwapChannels(src, out, e); }), "WAVファイルの読み出しに失敗しました・・・RV");
    EXPECT_EQ(refuse([&](auto& e) { AddHeadSilence(src, out, 0, 1, e); }), "WAVファイルの読み出しに失敗しました・・・MF");
    const Bytes targetBytes = Stereo8k(400).build();
    dir.write("out.wav", targetBytes);
    EXPECT_EQ(refuse([&](auto& e) { WavAppend(src, out, e); }), "WAVファイルの読み出しに失敗しました・・・KD");
    EXPECT_EQ(output(), targetBytes);
}

TEST_F(BadInputTest, AFormatTheJoinRefusesWritesNoHeadSilence)
{
    // 2^31 - 1 frames a second of 2 bytes: bytes per second do not fit 32 bits.
    WavSpec fast = Stereo8k(400);
    fast.channels = 1;
    fast.sampleRate = 0x7FFFFFFF;
    const std::string src = dir.write("in.wav", fast.build());
    EXPECT_EQ(refuse([&](auto& e) { AddHeadSilence(src, target(), 0, 0, e); }), "１秒当たりのバイト数が異状です・・・MF");
    WavSpec noBits = Stereo8k(400);
    noBits.bits = 0;
    noBits.blockAlign = 4;
    dir.write("in.wav", noBits.build());
    EXPECT_EQ(refuse([&](auto& e) { AddHeadSilence(src, target(), 1, 0, e); }), "サンプルが不正です・・・MF");
}

TEST_F(BadInputTest, DataBeyondFourGibibytesIsRefusedAsTheSizeCheckRefusesIt)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs sparse files";
#endif
    // A recording over 4 GiB: the header claims 0xFFFFFFFF bytes, the file holds more.
    WavSpec big = Stereo8k(0);
    big.fmtExtra = {0, 0};
    big.dataSizeField = 0xFFFFFFFFLL;
    const int64_t length = 46 + 8 + 0xFFFFFFFFLL + 305'000'000;
    const std::string src = sparse("in.wav", big, length);
    const std::string out = target();
    EXPECT_EQ(refuse([&](auto& e) { CopyWav(src, out, e); }), "総読み込みバイト数が異状です・・・WC2");
    EXPECT_EQ(refuse([&](auto& e) { WavSwapChannels(src, out, e); }), "総読み込みバイト数が異状です・・・RV");
    EXPECT_EQ(refuse([&](auto& e) { WavFmt18To16(src, out, e); }), "総読み込みバイト数が異状です・・・FC");
    EXPECT_EQ(refuse([&](auto& e) { TrimSilence(src, out, SilenceCut::Off, {}, e); }), "総読み込みバイト数が異状です・・・MC");
    EXPECT_EQ(refuse([&](auto& e) { AddHeadSilence(src, out, 0, 1, e); }), "WAVファイルの先頭無音付け足しに失敗しました・・・0.1");
    std::string err;
    CheckOutputSize(src, "", err, 0, 0, 0, 0);
    EXPECT_EQ(err, "WAVファイルサイズが、4Gバイトを超えてしまいます・・・WSC");
    EXPECT_EQ(std::filesystem::file_size(src), static_cast<uintmax_t>(length));
}

}  // namespace
