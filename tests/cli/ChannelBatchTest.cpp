// vantro-wav separate, reverse and fmt: log lines, messages and exit status.
#include "CliFixture.h"

TEST_F(CliTest, ChannelBatchesPrintLogLinesAndReportFailures)
{
    std::filesystem::create_directories(dir.path() / "out");
    const std::string out = dir.file("out"), a = stereo("a.wav", 100);
    ToolResult r = run({"separate", out, a});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "44100/16/  mono  0.00002         244 " + dir.file("out/a__L.wav") + "\n" +
                         "44100/16/  mono  0.00002         244 " + dir.file("out/a__R.wav") + "\n");
    EXPECT_EQ(r.err, "LRチャンネル分離\nLR合計 2個作成しました☆☆☆\nお疲れ様☆☆☆\n");

    // A mono source cannot be reversed: status 1, the output of the other source stands.
    r = run({"reverse", out, dir.file("out/a__L.wav"), a});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "44100/16/stereo  0.00002         444 " + dir.file("out/a_RV000.wav") + "\n");
    EXPECT_TRUE(r.err.starts_with("LR反転に失敗しました・・・\n")) << r.err;
    EXPECT_NE(r.err.find("\n\nLRチャンネル反転\n1個反転しました☆☆☆"), std::string::npos) << r.err;

    EXPECT_EQ(run({"fmt", out}).status, 2);
}
