// vantro-wav list-join and rename: list files in CP932 or UTF-8 with a
// byte-order mark, any line end; standard output holds only each output's
// line; the exit status says whether every output asked for was made.
#include "CliFixture.h"

namespace fs = std::filesystem;

TEST_F(CliTest, ListJoinJoinsEachGroupAndKeepsAnExistingOutput)
{
    const std::string a = stereo("a.wav", 100, 1), b = stereo("b.wav", 200, 2), c = stereo("c.wav", 300, 3);
    const std::string o1 = dir.file("一.wav"), o2 = dir.file("o2.wav");
    const std::string list =
        dir.write("list.txt", [&] {
            const std::string text = "\xEF\xBB\xBF" + a + "\r\n" + b + "\r\n>" + o1 + "\r\n" + c + " >" + o2 + "\n";
            return Bytes(text.begin(), text.end());
        }());
    ToolResult r = run({"list-join", "--head", "0", "1", list});
    EXPECT_EQ(r.status, 0) << r.err;
    // a and b, then c, each behind 0.1 s of silence: 4,710 frames each.
    EXPECT_EQ(r.out, "44100/16/stereo  0.00107      18,884 " + o1 + "\n44100/16/stereo  0.00107      18,884 " + o2 + "\n");
    EXPECT_EQ(r.err, "リスト結合\n2個結合しました☆☆☆\nお疲れ様☆☆☆\n");
    const Bytes first = ReadFileBytes(o1);
    EXPECT_EQ(first.size(), 44u + (4410u + 300u) * 4u);

    // Run again: both outputs exist and the question's default keeps them.
    r = run({"list-join", list});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, o1 + "\nこのファイルは既に存在します・・・\n上書きしてよろしいですか?\n\n" + o2 +
                         "\nこのファイルは既に存在します・・・\n上書きしてよろしいですか?\n\n"
                         "リスト結合\nファイルが選択されていません・・・\n");
    EXPECT_EQ(ReadFileBytes(o1), first);

    r = run({"list-join", dir.file("missing.txt")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, dir.file("missing.txt") + "\n読み込みに失敗しました・・・\nファイルが存在するか確認して下さい。\n");
    EXPECT_EQ(run({"list-join", "--head", "1", "0"}).status, 2);
}

TEST_F(CliTest, RenameReadsACp932ListAndRefusesATakenName)
{
    const std::string a = dir.write("a.wav", Bytes{1}), b = dir.write("b.wav", Bytes{2});
    dir.write("taken.wav", Bytes{3});
    // "表" in CP932 is 0x95 0x5C: its second byte is no separator. Lines end in CR.
    const std::string text = a + "\r>\x95\x5C.wav\r" + b + "\r>taken.wav\r";
    const std::string list = dir.write("list.txt", Bytes(text.begin(), text.end()));
    ToolResult r = run({"rename", list});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, dir.file("表.wav") + "\n");
    EXPECT_EQ(r.err, "一括リネーム\n1個リネームしました☆☆☆\nお疲れ様☆☆☆\n");
    EXPECT_EQ(ReadFileBytes(dir.file("表.wav")), Bytes{1});
    EXPECT_EQ(ReadFileBytes(b), Bytes{2});
    EXPECT_EQ(ReadFileBytes(dir.file("taken.wav")), Bytes{3});
    EXPECT_EQ(run({"rename", list, "extra"}).status, 2);
}

// A UTF-8 list without a byte-order mark is read as UTF-8, although its
// bytes are valid CP932 as well: "名前" stays "名前".
TEST_F(CliTest, RenameReadsAUtf8ListWithoutAMark)
{
    const std::string a = dir.write("a.wav", Bytes{1});
    const std::string text = a + "\n>名前.wav\n";
    const std::string list = dir.write("list.txt", Bytes(text.begin(), text.end()));
    ToolResult r = run({"rename", list});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, dir.file("名前.wav") + "\n");
    EXPECT_EQ(ReadFileBytes(dir.file("名前.wav")), Bytes{1});
}
