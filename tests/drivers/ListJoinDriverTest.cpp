// The list join: reading the lines, where inserted lines go, the next free
// output name, and the run over a list with its groups, questions and stops.
#include "DriverFixture.h"
#include "ListJoinDriver.h"
#include "ListJoinLines.h"
#include "WavFile.h"

namespace fs = std::filesystem;

namespace {

const std::string Summary2 = "リスト結合\n2個結合しました☆☆☆\nお疲れ様☆☆☆";
const std::string NothingJoined = "リスト結合\nファイルが選択されていません・・・";

// The sample bytes of a file in the engine's 44-byte layout.
Bytes Data(const std::string& path)
{
    const Bytes wav = ReadFileBytes(path);
    return Bytes(wav.begin() + 44, wav.end());
}

Bytes Joined(std::initializer_list<std::string> paths)
{
    Bytes all;
    for (const std::string& p : paths) {
        const Bytes d = Data(p);
        all.insert(all.end(), d.begin(), d.end());
    }
    return all;
}

}  // namespace

TEST(ListJoinLines, LinesSayFilesAndOutputs)
{
    const ListJoinLine plain = ReadListJoinLine("/m/a b.wav");
    EXPECT_EQ(plain.files, std::vector<std::string>{"/m/a b.wav"});
    EXPECT_FALSE(plain.output);
    EXPECT_EQ(ReadListJoinLine(">/o/x y.wav").output, "/o/x y.wav");

    const ListJoinLine combined = ReadListJoinLine("/m/a.wav\t /m/b.wav >  /o/c.wav rest");
    EXPECT_EQ(combined.files, (std::vector<std::string>{"/m/a.wav", "/m/b.wav"}));
    EXPECT_EQ(combined.output, "/o/c.wav");
    EXPECT_TRUE(combined.combined);

    for (const std::string line : {"", ">", ">  ", "/m/a.wav >", "/m/a.wav >\t "}) {
        const ListJoinLine nothing = ReadListJoinLine(line);
        EXPECT_TRUE(nothing.files.empty()) << line;
        EXPECT_FALSE(nothing.output) << line;
    }
}

TEST(ListJoinLines, InsertionIndexesFollowTheStepAndStopAtTheEnd)
{
    // Each insertion lengthens the list by one line.
    auto indexes = [](int step, size_t count) {
        std::vector<size_t> at;
        for (size_t k = 0;; ++k) {
            const std::optional<size_t> i = InsertionIndex(k, step, count + k);
            if (!i) return at;
            at.push_back(*i);
        }
    };
    EXPECT_EQ(indexes(3, 10), (std::vector<size_t>{3, 7, 11}));
    EXPECT_EQ(indexes(2, 10), (std::vector<size_t>{2, 5, 8, 11, 14}));
    EXPECT_EQ(InsertionIndex(0, 0, 10), 10u);
    EXPECT_EQ(InsertionIndex(5, 0, 10), 10u);
}

TEST_F(DriverTest, NextOutputNamePassesOverFilesAndListedOutputs)
{
    const std::string folder = outFolder() + "/";
    dir.write("out/KL0000.wav", Bytes{});
    const std::vector<std::string> lines = {"/m/a.wav", ">" + folder + "KL0001.wav",
                                            "/m/b.wav /m/c.wav >" + folder + "KL0003.wav"};
    int counter = 0;
    EXPECT_EQ(NextListJoinName(folder, counter, lines), folder + "KL0002.wav");
    EXPECT_EQ(NextListJoinName(folder, counter, lines), folder + "KL0004.wav");
    EXPECT_EQ(counter, 5);
    counter = 9999;
    dir.write("out/KL9999.wav", Bytes{});
    EXPECT_FALSE(NextListJoinName(folder, counter, lines));
    EXPECT_EQ(ListJoinNamesTaken(folder),
              "番号付きのファイル名がすべて使われています・・・\n" + folder + "\nKL0000.wav～KL9999.wav");
}

TEST_F(DriverTest, ListJoinJoinsEachGroupIntoItsOutput)
{
    const std::string f1 = constant("f1.wav", 100, 1), f2 = constant("f2.wav", 200, 2), f3 = constant("f3.wav", 300, 3),
                      f4 = constant("f4.wav", 400, 4), f5 = constant("f5.wav", 500, 5), f6 = constant("f6.wav", 600, 6);
    std::vector<std::string> status;
    hooks.status = [&](const std::string& s) { status.push_back(s); };
    // Empty lines and ">" alone keep the group; files after the last output
    // line are not joined.
    const std::vector<std::string> lines = {f1, "", f2, ">", ">" + out("O1.WAV"),
                                            f3, f4 + " " + f5 + " >" + out("o2.wav"), f6};
    const ListJoinResult r = ListJoinBatch(lines, {}, hooks);
    EXPECT_EQ(r.outputs, 2);
    EXPECT_EQ(r.failed, 0);
    EXPECT_EQ(Data(out("O1.wav")), Joined({f1, f2}));
    EXPECT_EQ(Data(out("o2.wav")), Joined({f3, f4, f5}));
    EXPECT_EQ(r.usedLines.size(), 5u);
    ASSERT_EQ(logLines.size(), 2u);
    EXPECT_TRUE(logLines[1].ends_with(" " + out("o2.wav")));
    EXPECT_EQ(r.lastFolder, outFolder());
    EXPECT_EQ(prompt.texts(), std::vector<std::string>{Summary2});
    EXPECT_EQ(status.front(), "リスト結合開始☆☆☆");
    EXPECT_EQ(status[1], "リスト結合サイズチェック中:" + f1);
    EXPECT_EQ(status.back(), "リスト結合終了☆☆☆");
    EXPECT_NE(std::find(status.begin(), status.end(), "リスト結合中:" + f5), status.end());
}

TEST_F(DriverTest, ListJoinNeverReplacesUnaskedNorWritesOntoAGroupFile)
{
    const std::string f1 = constant("f1.wav", 100, 1), f2 = constant("f2.wav", 100, 2);
    const std::string kept = dir.write("out/kept.wav", Bytes{1, 2, 3});
    // An output line with nothing before it: the size check says so. A
    // combined line with no file and nothing gathered is passed over.
    // The existing output is asked about with No as the default: skipped.
    // The output that is f1 under another name is refused.
    const std::vector<std::string> lines = {">" + out("none.wav"), "  >" + out("none2.wav"), f1, ">" + kept,
                                            f2, ">" + dir.path().string() + "/./f2.wav"};
    prompt.answers = {PromptAnswer::OK, PromptAnswer::No, PromptAnswer::OK};
    ListJoinResult r = ListJoinBatch(lines, {}, hooks);
    EXPECT_EQ(r.outputs, 0);
    EXPECT_EQ(r.failed, 3);
    EXPECT_EQ(ReadFileBytes(kept), (Bytes{1, 2, 3}));
    EXPECT_EQ(fs::file_size(f2), 44u + 400u);
    ASSERT_EQ(prompt.shown.size(), 4u);
    EXPECT_EQ(prompt.shown[0].text, "リスト結合エラー:\nデータサイズが0です・・・KSC");
    EXPECT_EQ(prompt.shown[1].kind, PromptKind::Ask);
    EXPECT_EQ(prompt.shown[1].defaultAnswer, PromptAnswer::No);
    EXPECT_TRUE(prompt.shown[1].text.starts_with(kept + "\n"));
    EXPECT_EQ(prompt.shown[2].text, dir.path().string() + "/./f2.wav\n元ファイルには上書きセーブ出来ません・・・");
    EXPECT_EQ(prompt.shown[3].text, NothingJoined);
    EXPECT_EQ(std::distance(fs::directory_iterator(outFolder()), fs::directory_iterator()), 1);

    // Yes replaces it with the whole join; a join that fails after its head
    // silence was written leaves it as it was.
    prompt.shown.clear();
    prompt.answers = {PromptAnswer::Yes};
    r = ListJoinBatch({f1, f2, ">" + kept}, {}, hooks);
    EXPECT_EQ(r.outputs, 1);
    EXPECT_EQ(Data(kept), Joined({f1, f2}));
    const Bytes joined = ReadFileBytes(kept);
    WavSpec cut;  // its data chunk claims more than the file holds: the append fails
    cut.data = Bytes(400, 1);
    cut.dataSizeField = 4000;
    const std::string shortFile = dir.write("short.wav", cut.build());
    BatchTimes head;
    head.headSeconds = 1;
    prompt.answers = {PromptAnswer::Yes, PromptAnswer::OK};
    r = ListJoinBatch({shortFile, ">" + kept}, head, hooks);
    EXPECT_EQ(r.outputs, 0);
    EXPECT_EQ(ReadFileBytes(kept), joined);
    EXPECT_EQ(std::distance(fs::directory_iterator(outFolder()), fs::directory_iterator()), 1);
}

TEST_F(DriverTest, ListJoinStopsBetweenLines)
{
    const std::string f1 = constant("f1.wav", 100), f2 = constant("f2.wav", 100);
    int calls = 0;
    hooks.pendingMessages = [&] { return ++calls == 4; };  // after the line that closes the first group
    const ListJoinResult r = ListJoinBatch({f1, ">" + out("a.wav"), f2, ">" + out("b.wav")}, {}, hooks);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.outputs, 1);
    EXPECT_FALSE(fs::exists(out("b.wav")));
    EXPECT_EQ(prompt.texts(), (std::vector<std::string>{"中断ボタンが押されました・・・\n強制終了します☆☆☆",
                                                        "リスト結合\n1個結合しました☆☆☆\nお疲れ様☆☆☆"}));
}

// A group that fails part-way, on a missing file or on a write that fails (a
// full disk), with the default answer Abort: nothing of its output is left,
// and the output is not logged. A file that stood under the output's name
// and was agreed to be replaced stays as it was.
TEST_F(DriverTest, AGroupThatFailsPartWayLeavesNoOutput)
{
    const std::string a = constant("a.wav", 4410), b = constant("b.wav", 4410);
    ListJoinResult r = ListJoinBatch({a, dir.file("missing.wav"), ">" + out("gone.wav")}, {}, hooks);
    EXPECT_TRUE(r.stopped);
    EXPECT_FALSE(fs::exists(out("gone.wav")));

    const std::string kept = dir.write("out/kept.wav", Bytes{'o', 'l', 'd'});
    hooks.status = [&](const std::string& text) {
        if (text.starts_with("リスト結合中:") && text.ends_with(b)) FileFaults::failWrite = 1;
    };
    prompt.answers = {PromptAnswer::Yes};  // replace kept.wav
    r = ListJoinBatch({a, b, ">" + kept}, {}, hooks);
    FileFaults::reset();
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.outputs, 0);
    EXPECT_TRUE(logLines.empty());
    EXPECT_EQ(ReadFileBytes(kept), (Bytes{'o', 'l', 'd'}));
    for (const auto& entry : fs::directory_iterator(outFolder()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
}
