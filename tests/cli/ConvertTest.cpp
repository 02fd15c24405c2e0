// vantro-wav convert: log lines on standard output, messages on standard
// error one blank line apart, and the exit status of the whole run.
#include "CliFixture.h"

TEST_F(CliTest, ConvertWritesEachOutputAndPrintsItsLogLine)
{
    std::filesystem::create_directories(dir.path() / "out");
    std::string a = stereo("a.wav", 44100), b = stereo("B.WAV", 44100, 2);
    ToolResult r = run({"convert", "--head", "1", "5", "--fade-in", "2", "--fade-out", "2", "--tail", "0", "3",
                        dir.file("out"), a, b});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string outA = dir.file("out/a.wav"), outB = dir.file("out/B.wav");
    EXPECT_EQ(r.out, "44100/16/stereo  0.02800     493,964 " + outA + "\n" +
                         "44100/16/stereo  0.02800     493,964 " + outB + "\n");
    EXPECT_EQ(r.err, "無音付加、フェードイン／アウト変換\n2個変換しました☆☆☆\nお疲れ様☆☆☆\n");
    EXPECT_EQ(ReadFileBytes(outA).size(), 493964u);

    // Run again: the names are taken, so the outputs are numbered.
    r = run({"convert", dir.file("out"), a});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "44100/16/stereo  0.01000     176,444 " + dir.file("out/a_m000.wav") + "\n");
}

TEST_F(CliTest, ConvertFailsWithStatusOneAndSpacedMessagesOrTwoOnWrongUsage)
{
    std::string a = stereo("a.wav", 100);
    ToolResult r = run({"convert", dir.path().string(), dir.file("missing.wav"), a});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "44100/16/stereo  0.00002         444 " + dir.file("a_m000.wav") + "\n");
    EXPECT_TRUE(r.err.starts_with("変換に失敗しました・・・\n")) << r.err;
    EXPECT_TRUE(r.err.ends_with(dir.file("missing.wav") + "\n\n無音付加、フェードイン／アウト変換\n1個変換しました☆☆☆\n"
                                                          "お疲れ様☆☆☆\n"))
        << r.err;

    for (std::vector<std::string> wrong : {std::vector<std::string>{"convert", dir.path().string()},
                                           {"convert", "--head", "1", dir.path().string(), a},
                                           {"convert", "--level", "3", dir.path().string(), a}}) {
        r = run(wrong);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
    }
}
