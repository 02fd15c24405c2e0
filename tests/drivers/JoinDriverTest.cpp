// The join batch: the size pass and its checks, the naming of the output, the
// join of the first and later files, the finish, and the stop paths.
#include "DriverFixture.h"
#include "JoinDriver.h"

namespace fs = std::filesystem;

namespace {

int16_t Sample(const Bytes& wav, size_t frame) { return static_cast<int16_t>(ReadU16(wav, 44 + frame * 4)); }

const std::string Thanks = "個結合しました☆☆☆\nお疲れ様☆☆☆";
const std::string NothingJoined = "結合\nファイルが選択されていません・・・";

}  // namespace

class JoinTest : public DriverTest {
protected:
    // A 16-bit stereo header claiming `dataBytes` of data, the data left sparse.
    std::string sparse(const std::string& name, int64_t dataBytes)
    {
        WavSpec spec;
        spec.dataSizeField = dataBytes;
        const std::string path = dir.write(name, spec.build());
        fs::resize_file(path, 44 + static_cast<uintmax_t>(dataBytes));
        return path;
    }
    std::string mono8k(const std::string& name)
    {
        WavSpec spec;
        spec.channels = 1;
        spec.sampleRate = 8000;
        spec.bits = 8;
        spec.data = Bytes(800, 200);
        return dir.write(name, spec.build());
    }
};

TEST_F(JoinTest, JoinsInOrderWithSilenceAndFadesAndLeavesOutAnOtherFormat)
{
    const std::string a = constant("a.wav", 2 * 44100, 1000), odd = mono8k("odd.wav"),
                      b = constant("b.wav", 2 * 44100, 2000);
    JoinSettings s;
    s.headSeconds = 1;
    s.fadeInSeconds = 1;
    s.fadeOutSeconds = 1;
    s.tailTenths = 5;
    prompt.answers = {PromptAnswer::OK};  // go on past the file of another format
    JoinResult r = JoinBatch({a, odd, b}, outFolder(), s, hooks);
    EXPECT_EQ(r.joined, 2);
    EXPECT_EQ(r.failed, 1);
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(r.output, out("a_a000.wav"));
    EXPECT_EQ(r.lastFolder, outFolder());

    const size_t head = 44100, sound = 4 * 44100, tail = 22050;
    const Bytes wav = ReadFileBytes(r.output);
    ASSERT_EQ(wav.size(), 44 + (head + sound + tail) * 4);
    EXPECT_EQ(Sample(wav, head - 1), 0);
    EXPECT_EQ(Sample(wav, head + 44100 + 100), 1000);      // a, between the fades
    EXPECT_EQ(Sample(wav, head + 2 * 44100 + 100), 2000);  // b follows a directly
    EXPECT_LT(Sample(wav, head + sound - 1), 20);          // faded out where the sound ends
    EXPECT_EQ(Sample(wav, head + sound), 0);               // the tail is never faded

    ASSERT_EQ(r.usedLines.size(), 2u);
    EXPECT_TRUE(r.usedLines[0].ends_with(" " + a));
    EXPECT_TRUE(r.usedLines[1].ends_with(" " + b));
    ASSERT_EQ(logLines.size(), 1u);
    EXPECT_EQ(logLines[0], "44100/16/stereo  0.05500     970,244 " + r.output);
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[0].kind, PromptKind::Error);
    EXPECT_EQ(prompt.shown[0].defaultAnswer, PromptAnswer::Abort);
    EXPECT_TRUE(prompt.shown[0].text.starts_with("結合に失敗しました・・・\n"));
    EXPECT_TRUE(prompt.shown[0].text.ends_with("\n" + odd));
    EXPECT_EQ(prompt.shown[1].text, "結合\n2" + Thanks);
}

TEST_F(JoinTest, UnreadableFirstFilesPassTheTurnAndNothingJoinableSaysSo)
{
    WavSpec adpcm;
    adpcm.formatTag = 2;
    adpcm.data = Bytes(400, 1);
    const std::string bad = dir.write("bad.wav", adpcm.build());
    const std::string a = constant("a.wav", 1000), b = constant("b.wav", 1000);
    dir.write("out/a_a000.wav", Bytes{1});
    dir.write("out/a_a001.wav", Bytes{2});

    // The failed first file leaves nothing behind; the next one names the output.
    prompt.answers = {PromptAnswer::OK};
    JoinResult r = JoinBatch({bad, a, b}, outFolder(), {}, hooks);
    EXPECT_EQ(r.joined, 2);
    EXPECT_EQ(r.output, out("a_a002.wav"));
    EXPECT_EQ(ReadFileBytes(r.output).size(), 44u + 8000u);
    EXPECT_FALSE(fs::exists(out("bad_a000.wav")));
    EXPECT_EQ(ReadFileBytes(out("a_a000.wav")), Bytes{1});

    // Nothing readable: the size check refuses and no output appears.
    prompt.shown.clear();
    r = JoinBatch({bad}, outFolder(), {}, hooks);
    EXPECT_EQ(r.joined, 0);
    EXPECT_TRUE(r.output.empty());
    EXPECT_EQ(prompt.texts(), (std::vector<std::string>{"結合エラー:\nデータサイズが0です・・・KSC", NothingJoined}));
}

TEST_F(JoinTest, AllThousandNamesTakenSkipsToTheNextFile)
{
    const std::string a = constant("a.wav", 100), b = constant("b.wav", 100);
    for (int n = 0; n < 1000; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "a_a%03d.wav", n);
        dir.write("out/" + std::string(name), Bytes{});
    }
    prompt.answers = {PromptAnswer::OK};
    JoinResult r = JoinBatch({a, b}, outFolder(), {}, hooks);
    EXPECT_EQ(r.output, out("b_a000.wav"));
    EXPECT_EQ(r.joined, 1);
    EXPECT_EQ(r.failed, 1);
    EXPECT_EQ(prompt.shown[0].text, "番号付きのファイル名がすべて使われています・・・\n" + outFolder() +
                                        "\na_a000.wav～a_a999.wav\nこのファイルを飛ばします☆☆☆");
}

TEST_F(JoinTest, OwnNamesNeverOverwriteASourceAndEmptyOrStopAnswersJoinNothing)
{
    const std::string a = constant("a.wav", 100), b = constant("b.wav", 100);
    JoinSettings s;
    s.ownNames = true;
    std::deque<std::string> choices = {dir.file("b.WAV"), "", "", "@"};
    std::vector<std::string> titles;
    AskSaveName ask = [&](const std::string&, const std::string& proposed, const std::string& title) {
        titles.push_back(title + " " + proposed);
        const std::string c = choices.front();
        choices.pop_front();
        return c;
    };
    // b.wav, a file being joined, is refused even when asked for as b.WAV.
    prompt.answers = {PromptAnswer::OK};
    JoinResult r = JoinBatch({a, b}, outFolder(), s, hooks, ask);
    EXPECT_EQ(r.joined, 0);
    EXPECT_EQ(fs::file_size(b), 44u + 400u);
    EXPECT_EQ(prompt.shown[0].text, b + "\n元ファイルには上書きセーブ出来ません・・・");
    EXPECT_EQ(titles[0], "ＷＡＶ結合ファイル名 " + out("a_a000.wav"));

    prompt.shown.clear();
    r = JoinBatch({a, b}, outFolder(), s, hooks, ask);  // "@" stops
    EXPECT_TRUE(r.stopped);
    EXPECT_TRUE(r.output.empty());
    EXPECT_TRUE(fs::is_empty(outFolder()));
    EXPECT_EQ(prompt.texts(),
              (std::vector<std::string>{"中断ボタンが押されました・・・\n強制終了します☆☆☆", NothingJoined}));
}

TEST_F(JoinTest, SizeChecksCountTheSilenceAtTheJoinFormatAndStopBeforeWriting)
{
    // 100,000 bytes short of 2 GiB: one second of head silence in the first
    // file's format passes it, though the mono file read last has far fewer
    // bytes per second.
    const std::string big = sparse("big.wav", (int64_t{1} << 31) - 100044), small = mono8k("small.wav");
    JoinSettings s;
    s.headSeconds = 1;
    prompt.answers = {PromptAnswer::No};
    JoinResult r = JoinBatch({big, small}, outFolder(), s, hooks);
    EXPECT_EQ(prompt.texts(), (std::vector<std::string>{"警告:WAVファイルサイズが、2Gバイトを超えます・・・WSC",
                                                        "結合エラー:\n中断:WAVファイルサイズが、2Gバイトを超えます・・・KSC",
                                                        NothingJoined}));
    EXPECT_TRUE(fs::is_empty(outFolder()));

    // With a file of 2 GiB behind it, 4 GiB is passed: refused without a question.
    prompt.shown.clear();
    prompt.answers = {PromptAnswer::No};
    r = JoinBatch({big, sparse("big2.wav", (int64_t{1} << 31) + 200000)}, outFolder(), {}, hooks);
    EXPECT_EQ(prompt.shown[0].text, "結合エラー:\nWAVファイルサイズが、4Gバイトを超えてしまいます・・・KSC");
    EXPECT_TRUE(fs::is_empty(outFolder()));
}

TEST_F(JoinTest, StopButtonEndsThePassButTheOutputIsStillFinished)
{
    const std::string a = constant("a.wav", 44100), b = constant("b.wav", 44100);
    int calls = 0;
    hooks.pendingMessages = [&] { return ++calls == 3; };  // two size-pass items, then the first join
    JoinSettings s;
    s.tailSeconds = 1;
    JoinResult r = JoinBatch({a, b}, outFolder(), s, hooks);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.joined, 1);
    EXPECT_EQ(ReadFileBytes(r.output).size(), 44u + 2u * 44100u * 4u);  // a and its tail
    EXPECT_EQ(logLines.size(), 1u);
    EXPECT_EQ(prompt.texts(), (std::vector<std::string>{"中断ボタンが押されました・・・\n強制終了します☆☆☆",
                                                        "結合\n1" + Thanks}));
}
