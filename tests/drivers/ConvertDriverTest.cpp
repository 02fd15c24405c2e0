// The conversion batch: outputs, log lines, messages, stop and skip paths.
#include "ConvertTexts.h"
#include "DriverFixture.h"

namespace {

int16_t Sample(const Bytes& wav, size_t frame) { return static_cast<int16_t>(ReadU16(wav, 44 + frame * 4)); }

bool Silent(const Bytes& wav, size_t fromFrame, size_t frames)
{
    for (size_t f = fromFrame; f < fromFrame + frames; ++f)
        if (Sample(wav, f) != 0 || static_cast<int16_t>(ReadU16(wav, 44 + f * 4 + 2)) != 0) return false;
    return true;
}

ConvertSettings HeadFadesTail()
{
    ConvertSettings s;
    s.headSeconds = 1;
    s.headTenths = 5;
    s.fadeInSeconds = 2;
    s.fadeOutSeconds = 2;
    s.tailSeconds = 0;
    s.tailTenths = 3;
    return s;
}

}  // namespace

TEST_F(DriverTest, ConvertsEachFileWithSilenceAndFadesAndLogsIt)
{
    const std::string a = constant("a.wav", 5 * 44100);
    const std::string b = constant("B.WAV", 5 * 44100);
    ConvertResult r = ConvertBatch({a, b}, outFolder(), HeadFadesTail(), hooks);
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.converted, 2);
    EXPECT_EQ(r.failed, 0);
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(r.lastFolder, outFolder());

    const size_t head = 66150, sound = 5 * 44100, tail = 13230;
    for (std::string name : {"a.wav", "B.wav"}) {
        Bytes wav = ReadFileBytes(out(name));
        ASSERT_EQ(wav.size(), 44 + (head + sound + tail) * 4) << name;
        EXPECT_EQ(ReadU32(wav, 40), (head + sound + tail) * 4);
        EXPECT_TRUE(Silent(wav, 0, head));
        EXPECT_EQ(Sample(wav, head), 0);                  // the fade-in starts behind the silence
        EXPECT_EQ(Sample(wav, head + 44100 * 5 / 2), 1000);  // between the fades
        EXPECT_LT(Sample(wav, head + sound - 1), 20);     // faded out where the sound ends
        EXPECT_TRUE(Silent(wav, head + sound, tail));     // the tail is never faded
    }
    EXPECT_EQ(logLines, (std::vector<std::string>{
                            "44100/16/stereo  0.06800   1,199,564 " + out("a.wav"),
                            "44100/16/stereo  0.06800   1,199,564 " + out("B.wav")}));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].kind, PromptKind::InfoTM);
    EXPECT_EQ(prompt.shown[0].text, "無音付加、フェードイン／アウト変換\n2個変換しました☆☆☆\nお疲れ様☆☆☆");
}

TEST_F(DriverTest, StopButtonEndsTheRunAfterTheCurrentFile)
{
    const std::string a = constant("a.wav", 1000), b = constant("b.wav", 1000);
    hooks.pendingMessages = [] { return true; };
    ConvertResult r = ConvertBatch({a, b}, outFolder(), {}, hooks);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.converted, 1);
    EXPECT_TRUE(std::filesystem::exists(out("a.wav")));
    EXPECT_FALSE(std::filesystem::exists(out("b.wav")));
    EXPECT_EQ(prompt.texts(), (std::vector<std::string>{
                                  "中断ボタンが押されました・・・\n強制終了します☆☆☆",
                                  "無音付加、フェードイン／アウト変換\n1個変換しました☆☆☆\nお疲れ様☆☆☆"}));
}

TEST_F(DriverTest, FailureIsReportedAndAbortEndsTheRun)
{
    WavSpec adpcm;
    adpcm.formatTag = 2;
    adpcm.data = Bytes(400, 1);
    const std::string bad = dir.write("bad.wav", adpcm.build());
    const std::string a = constant("a.wav", 1000);

    // OK goes on with the next file; nothing of the failed one is left.
    ConvertResult r = ConvertBatch({bad, a}, outFolder(), {}, hooks);
    EXPECT_EQ(r.converted, 1);
    EXPECT_EQ(r.failed, 1);
    EXPECT_FALSE(std::filesystem::exists(out("bad.wav")));
    ASSERT_FALSE(prompt.shown.empty());
    EXPECT_EQ(prompt.shown[0].kind, PromptKind::Error);
    EXPECT_TRUE(prompt.shown[0].text.starts_with("変換に失敗しました・・・\n"));
    EXPECT_TRUE(prompt.shown[0].text.ends_with("_WSC\n" + bad));

    // Abort stops before the next file; no file selected reads as such.
    prompt.shown.clear();
    prompt.answers = {PromptAnswer::Abort};
    r = ConvertBatch({bad, a}, outFolder(), {}, hooks);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.converted, 0);
    EXPECT_FALSE(std::filesystem::exists(out("a_m000.wav")));
    EXPECT_EQ(prompt.shown.back().text, "無音付加、フェードイン／アウト変換\nファイルが選択されていません・・・");
}

TEST_F(DriverTest, OwnNamesSkipStopAndNeverLoseTheChosenFileOnFailure)
{
    WavSpec adpcm;
    adpcm.formatTag = 2;
    adpcm.data = Bytes(400, 1);
    const std::string bad = dir.write("bad.wav", adpcm.build());
    const std::string a = constant("a.wav", 1000), b = constant("b.wav", 1000);
    const std::string kept = dir.write("kept.wav", Bytes{1, 2, 3});
    ConvertSettings s;
    s.ownNames = true;
    std::vector<std::string> titles;
    std::deque<std::string> choices = {kept, "", dir.file("A.WAV"), a, "@"};
    AskSaveName ask = [&](const std::string&, const std::string&, const std::string& title) {
        titles.push_back(title);
        const std::string c = choices.front();
        choices.pop_front();
        return c;
    };
    // A chosen file whose conversion fails before anything is written stays as it was.
    ConvertResult r = ConvertBatch({bad, a, b}, outFolder(), s, hooks, ask);
    EXPECT_EQ(ReadFileBytes(kept), (Bytes{1, 2, 3}));
    EXPECT_EQ(r.converted, 1);  // b, as A.wav
    EXPECT_EQ(r.failed, 2);     // bad failed, a skipped
    EXPECT_TRUE(std::filesystem::exists(dir.file("A.wav")));
    EXPECT_EQ(titles.front(), "ＷＡＶ変換ファイル名");

    // The source itself is refused; "@" stops the run.
    prompt.shown.clear();
    r = ConvertBatch({a, b}, outFolder(), s, hooks, ask);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.converted, 0);
    EXPECT_EQ(prompt.shown[0].text, a + "\n元ファイルには上書きセーブ出来ません・・・");
    EXPECT_EQ(std::filesystem::file_size(a), 44u + 4000u);
}
