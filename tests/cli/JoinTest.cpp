// vantro-wav join: one output of the sources in the order given, its log line
// on standard output, and the exit status of the whole run.
#include "CliFixture.h"

TEST_F(CliTest, JoinWritesOneOutputInTheOrderGiven)
{
    std::filesystem::create_directories(dir.path() / "out");
    const std::string b = stereo("b.wav", 1000, 2), a = stereo("a.wav", 500, 1);
    ToolResult r = run({"join", "--head", "0", "5", "--tail", "1", "0", dir.file("out"), b, a});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string output = dir.file("out/b_a000.wav");
    EXPECT_EQ(r.out, "44100/16/stereo  0.01534     270,644 " + output + "\n");
    EXPECT_EQ(r.err, "結合\n2個結合しました☆☆☆\nお疲れ様☆☆☆\n");
    const Bytes joined = DataOf(ReadFileBytes(output));
    const Bytes bData = DataOf(ReadFileBytes(b)), aData = DataOf(ReadFileBytes(a));
    ASSERT_EQ(joined.size(), (22050u + 1500u + 44100u) * 4u);
    EXPECT_TRUE(std::equal(bData.begin(), bData.end(), joined.begin() + 22050 * 4));
    EXPECT_TRUE(std::equal(aData.begin(), aData.end(), joined.begin() + (22050 + 1000) * 4));
}

TEST_F(CliTest, JoinStopsAtAFileOfAnotherFormatWithStatusOneOrTwoOnWrongUsage)
{
    const std::string a = stereo("a.wav", 100);
    WavSpec mono;
    mono.channels = 1;
    mono.data = Bytes(200, 3);
    const std::string m = dir.write("m.wav", mono.build());
    const std::string c = stereo("c.wav", 100);
    // The failure's default answer is Abort: the join is given up and
    // nothing of it is left or logged; the message names the output, not
    // the temporary file it was built in.
    ToolResult r = run({"join", dir.path().string(), a, m, c});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("a_a000.wav")));
    EXPECT_TRUE(r.err.starts_with("結合に失敗しました・・・\nWAVフォーマットが違います・・・KD\n" + dir.file("a_a000.wav")))
        << r.err;
    EXPECT_TRUE(r.err.ends_with(m + "\n\n既定の答え（中止）により処理を中断しました・・・\n\n結合\n"
                                    "ファイルが選択されていません・・・\n"))
        << r.err;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();

    for (std::vector<std::string> wrong : {std::vector<std::string>{"join", dir.path().string()},
                                           {"join", "--fade-in", dir.path().string(), a},
                                           {"join", "--level8", "3", dir.path().string(), a}}) {
        r = run(wrong);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
    }
}
