// The separation, reversal and fmt batches: names, outputs, skips and stops.
#include "ChannelBatch.h"
#include "DriverFixture.h"

namespace fs = std::filesystem;

namespace {

// 16-bit stereo: left 100 + frame, right -100 - frame.
Bytes StereoWav(size_t frames)
{
    WavSpec spec;
    for (size_t f = 0; f < frames; ++f) {
        AppendU16(spec.data, static_cast<uint16_t>(100 + f));
        AppendU16(spec.data, static_cast<uint16_t>(-100 - static_cast<int>(f)));
    }
    return spec.build();
}

Bytes MonoWav(size_t frames)
{
    WavSpec spec;
    spec.channels = 1;
    spec.data = Bytes(frames * 2, 7);
    return spec.build();
}

Bytes Fmt18Wav(size_t frames)
{
    WavSpec spec;
    spec.fmtExtra = Bytes(2, 0);
    spec.data = Bytes(frames * 4, 3);
    return spec.build();
}

}  // namespace

class ChannelBatchTest : public DriverTest {
protected:
    std::string wav(const std::string& name, const Bytes& bytes) { return dir.write(name, bytes); }

    ChannelBatchResult run(ChannelJob job, const std::vector<std::string>& sources, bool ownNames = false,
                           const AskSaveName& ask = {})
    {
        ChannelBatchSettings s;
        s.ownNames = ownNames;
        return ChannelBatch(job, sources, outFolder(), s, hooks, ask);
    }

    std::string lastText() const { return prompt.shown.empty() ? "" : prompt.shown.back().text; }
};

TEST_F(ChannelBatchTest, SeparationWritesBothChannelsAndNumbersLaterRuns)
{
    const std::string song = wav("song.wav", StereoWav(10));
    ChannelBatchResult r = run(ChannelJob::Separate, {song});
    EXPECT_EQ(r.written, 2);
    EXPECT_EQ(r.lastFolder, outFolder());
    Bytes left = ReadFileBytes(out("song__L.wav")), right = ReadFileBytes(out("song__R.wav"));
    ASSERT_EQ(left.size(), 44u + 20u);
    EXPECT_EQ(ReadU16(left, 22), 1u);  // mono
    EXPECT_EQ(static_cast<int16_t>(ReadU16(left, 44 + 2 * 3)), 103);
    EXPECT_EQ(static_cast<int16_t>(ReadU16(right, 44 + 2 * 3)), -103);
    EXPECT_EQ(logLines.size(), 2u);
    EXPECT_TRUE(logLines[1].ends_with(" " + out("song__R.wav")));
    EXPECT_EQ(lastText(), "LRチャンネル分離\nLR合計 2個作成しました☆☆☆\nお疲れ様☆☆☆");

    run(ChannelJob::Separate, {song});
    EXPECT_TRUE(fs::exists(out("song_lr000_L.wav")) && fs::exists(out("song_lr000_R.wav")));
    // Any one-character sibling takes its number too.
    wav("out/song_lr001_X.wav", MonoWav(1));
    run(ChannelJob::Separate, {song});
    EXPECT_TRUE(fs::exists(out("song_lr002_L.wav")) && fs::exists(out("song_lr002_R.wav")));
}

TEST_F(ChannelBatchTest, OwnNamesSkipOneSideOrStopTheRun)
{
    const std::string song = wav("song.wav", StereoWav(4)), other = wav("other.wav", StereoWav(4));
    std::vector<std::string> titles;
    ChannelBatchResult r = run(ChannelJob::Separate, {song}, true,
                               [&](const std::string&, const std::string& proposed, const std::string& title) {
                                   titles.push_back(title);
                                   return titles.size() == 1 ? std::string() : proposed;
                               });
    EXPECT_EQ(titles, (std::vector<std::string>{"ＷＡＶ左ファイル名", "ＷＡＶ右ファイル名"}));
    EXPECT_EQ(r.written, 1);
    EXPECT_FALSE(fs::exists(out("song__L.wav")));
    EXPECT_TRUE(fs::exists(out("song__R.wav")));

    // "@" stops; a name onto the source itself is refused.
    r = run(ChannelJob::Reverse, {song, other}, true,
            [&](const std::string& source, const std::string&, const std::string&) {
                return source == song ? song.substr(0, song.size() - 4) + ".WAV" : std::string("@");
            });
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.written, 0);
    EXPECT_EQ(ReadFileBytes(song), StereoWav(4));
    EXPECT_EQ(prompt.texts().back(), "LRチャンネル反転\nファイルが選択されていません・・・");
}

TEST_F(ChannelBatchTest, ReversalNumbersEveryOutputAndSkipsWhenAllNamesAreTaken)
{
    const std::string song = wav("song.wav", StereoWav(4)), full = wav("full.wav", StereoWav(4));
    run(ChannelJob::Reverse, {song});
    run(ChannelJob::Reverse, {song});
    Bytes swapped = ReadFileBytes(out("song_RV001.wav"));
    EXPECT_EQ(static_cast<int16_t>(ReadU16(swapped, 44)), -100);
    EXPECT_TRUE(fs::exists(out("song_RV000.wav")));

    for (int n = 0; n < 1000; ++n) {
        std::string digits = std::to_string(1000 + n).substr(1);
        std::ofstream(out("full_RV" + digits + ".wav")).put('x');
    }
    prompt.shown.clear();
    ChannelBatchResult r = run(ChannelJob::Reverse, {full, song});
    EXPECT_EQ(r.written, 1);
    EXPECT_EQ(r.failed, 1);
    EXPECT_EQ(prompt.shown[0].text, "番号付きのファイル名がすべて使われています・・・\n" + outFolder() +
                                        "\nfull_RV000.wav～full_RV999.wav\nこのファイルを飛ばします☆☆☆");
    EXPECT_TRUE(fs::exists(out("song_RV002.wav")));
}

TEST_F(ChannelBatchTest, FmtNeverWritesOntoTheSourceOrAnExistingFile)
{
    // Output folder = the source's folder: the source's own name is taken.
    const std::string src = wav("out/song.wav", Fmt18Wav(4));
    ChannelBatchResult r = run(ChannelJob::Fmt, {src});
    EXPECT_EQ(r.written, 1);
    EXPECT_EQ(ReadFileBytes(src), Fmt18Wav(4));
    EXPECT_EQ(ReadU32(ReadFileBytes(out("song_fmt000.wav")), 16), 16u);

    // "Y.WAV" elsewhere, an unrelated "Y.wav" in the output folder.
    const std::string upper = wav("Y.WAV", Fmt18Wav(2));
    wav("out/Y.wav", MonoWav(1));
    run(ChannelJob::Fmt, {upper});
    EXPECT_EQ(ReadFileBytes(out("Y.wav")), MonoWav(1));
    EXPECT_TRUE(fs::exists(out("Y_fmt000.wav")));
}

TEST_F(ChannelBatchTest, EngineFailureIsReportedKeepsAChosenExistingFileAndAbortStops)
{
    const std::string mono = wav("mono.wav", MonoWav(4)), song = wav("song.wav", StereoWav(4));
    const std::string keep = wav("out/keep.wav", MonoWav(2));
    ChannelBatchResult r = run(ChannelJob::Reverse, {mono, song}, true,
                               [&](const std::string&, const std::string& proposed, const std::string&) {
                                   return proposed.find("mono") != std::string::npos ? keep : proposed;
                               });
    EXPECT_EQ(r.written, 1);
    EXPECT_EQ(r.failed, 1);
    EXPECT_TRUE(prompt.shown[0].text.starts_with("LR反転に失敗しました・・・\n")) << prompt.shown[0].text;
    EXPECT_TRUE(prompt.shown[0].text.ends_with("\n" + mono));
    EXPECT_EQ(ReadFileBytes(keep), MonoWav(2));

    // fmt of a plain 16-byte fmt file fails; Abort ends the run there.
    prompt.shown.clear();
    prompt.answers = {PromptAnswer::Abort};
    r = run(ChannelJob::Fmt, {song, wav("later.wav", Fmt18Wav(2))});
    EXPECT_TRUE(r.stopped);
    EXPECT_FALSE(fs::exists(out("later.wav")));
    EXPECT_NE(prompt.shown[0].text.find("fmt 16バイト、変換不要・・・FC"), std::string::npos) << prompt.shown[0].text;
    EXPECT_EQ(prompt.shown[1].text, "中断ボタンが押されました・・・\n強制終了します☆☆☆");
}
