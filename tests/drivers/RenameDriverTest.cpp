// The batch rename: which file each rename line takes, the name part of its
// text, refusals that never replace a file, the next free name, and stops.
#include "DriverFixture.h"
#include "RenameDriver.h"

namespace fs = std::filesystem;

TEST_F(DriverTest, RenameTakesTheLastFileAndItsOwnFolderAndNeverReplaces)
{
    fs::create_directories(dir.path() / "w");
    const std::string a = dir.write("a.wav", Bytes{1}), b = dir.write("b.wav", Bytes{2}),
                      c = dir.write("w/c.wav", Bytes{3}), d = dir.write("w/d.wav", Bytes{4}),
                      e = dir.write("w/e.wav", Bytes{5}), f = dir.write("w/f.wav", Bytes{6});
    const std::string taken = dir.write("w/taken.wav", Bytes{9});
    std::vector<std::string> status;
    hooks.status = [&](const std::string& s) { status.push_back(s); };
    const std::vector<std::string> lines = {
        ">nofile.wav",                          // no file line before it: nothing
        a, ">x.wav",                            // a -> x
        b, c, ">/else/where/y.wav",             // only c, in its own folder
        d, ">D:\\other\\z.wav",                 // a folder written with backslashes
        e, ">taken.wav",                        // refused: the name is taken
        f, ">", f, ">.", f, ">dir/..", f, "",   // names that are no names; an empty line names no file
        ">g.wav"};
    const RenameResult r = RenameBatch(lines, hooks);
    EXPECT_EQ(r.renamed, 4);
    EXPECT_EQ(r.refused, 4);
    EXPECT_EQ(logLines, (std::vector<std::string>{dir.file("x.wav"), dir.file("w/y.wav"), dir.file("w/z.wav"),
                                                  dir.file("w/g.wav")}));
    EXPECT_EQ(ReadFileBytes(dir.file("x.wav")), Bytes{1});
    EXPECT_TRUE(fs::exists(b));
    EXPECT_EQ(ReadFileBytes(dir.file("w/y.wav")), Bytes{3});
    EXPECT_EQ(ReadFileBytes(dir.file("w/z.wav")), Bytes{4});
    EXPECT_EQ(ReadFileBytes(e), Bytes{5});
    EXPECT_EQ(ReadFileBytes(taken), Bytes{9});
    EXPECT_EQ(ReadFileBytes(dir.file("w/g.wav")), Bytes{6});
    EXPECT_FALSE(fs::exists(a) || fs::exists(c) || fs::exists(d) || fs::exists(f));
    EXPECT_EQ(prompt.texts(), std::vector<std::string>{"一括リネーム\n4個リネームしました☆☆☆\nお疲れ様☆☆☆"});
    EXPECT_EQ(status, (std::vector<std::string>{"一括リネーム開始☆", "一括リネーム終了☆☆☆"}));
    EXPECT_FALSE(MoveNoReplace(dir.file("missing.wav"), dir.file("w/m.wav")));
}

TEST_F(DriverTest, RenameStopsBetweenLinesAndSaysWhenNothingWasRenamed)
{
    const std::string a = dir.write("a.wav", Bytes{1}), b = dir.write("b.wav", Bytes{2});
    int calls = 0;
    hooks.pendingMessages = [&] { return ++calls == 2; };
    RenameResult r = RenameBatch({a, ">x.wav", b, ">y.wav"}, hooks);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.renamed, 1);
    EXPECT_TRUE(fs::exists(b));
    EXPECT_EQ(prompt.texts(), (std::vector<std::string>{"中断ボタンが押されました・・・\n強制終了します☆☆☆",
                                                        "一括リネーム\n1個リネームしました☆☆☆\nお疲れ様☆☆☆"}));

    prompt.shown.clear();
    hooks.pendingMessages = [] { return false; };
    r = RenameBatch({b}, hooks);
    EXPECT_EQ(r.renamed, 0);
    EXPECT_EQ(prompt.texts(), std::vector<std::string>{"一括リネーム\nファイルが選択されていません・・・"});
}

TEST_F(DriverTest, NextRenameNamePassesOverExistingFiles)
{
    const std::string folder = outFolder() + "/";
    dir.write("out/RN0000.wav", Bytes{});
    int counter = 0;
    EXPECT_EQ(NextRenameName(folder, counter), folder + "RN0001.wav");
    EXPECT_EQ(NextRenameName(folder, counter), folder + "RN0002.wav");
    EXPECT_EQ(counter, 3);
}
