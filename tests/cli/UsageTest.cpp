// Wrong usage exits with 2 and runs nothing; --help and --work-buffer.
#include "CliFixture.h"

TEST_F(CliTest, HelpPrintsTheUsageOnStandardOutput)
{
    ToolResult r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("usage: vantro-wav [--work-buffer BYTES] COMMAND ARGS..."), std::string::npos);
    EXPECT_NE(r.out.find("check-size SOURCE TARGET HEAD_SECONDS HEAD_TENTHS TAIL_SECONDS TAIL_TENTHS"),
              std::string::npos);
}

TEST_F(CliTest, WrongUsageExitsWithTwoAndDoesNothing)
{
    std::string source = stereo("src.wav", 100);
    std::string target = dir.file("out.wav");
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"frobnicate", source},
        {"--frobnicate", "copy", source, target},
        {"copy", source},
        {"copy", source, target, "extra"},
        {"head-silence", source, target, "1"},
        {"head-silence", source, target, "1.5", "0"},
        {"head-silence", source, target, "1", "x"},
        {"head-silence", source, target, "", "0"},
        {"head-silence", source, target, " 1", "0"},
        {"head-silence", source, target, "0x10", "0"},
        {"head-silence", source, target, "+-1", "0"},
        {"head-silence", source, target, "2147483648", "0"},
        {"head-silence", source, target, "0", "-2147483649"},
        {"fade", source, "9223372036854775808", "0", "0", "0"},
        {"split", source, target, "middle"},
        {"--work-buffer"},
        {"--work-buffer", "copy", source, target},
        {"--work-buffer", "0", "copy", source, target},
        {"--work-buffer", "-4096", "copy", source, target},
        {"--work-buffer", "4k", "copy", source, target},
        {"--work-buffer", "4096"},
    };
    for (const auto& args : wrong) {
        std::string line;
        for (const auto& a : args) line += "[" + a + "] ";
        ToolResult r = run(args);
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_EQ(r.out, "") << line;
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << line;
        EXPECT_FALSE(std::filesystem::exists(target)) << line;
    }
}

TEST_F(CliTest, IntegersTakeSignsAndTheWholeInt32Range)
{
    std::string source = stereo("src.wav", 100);
    runOk({"head-silence", source, dir.file("out.wav"), "+0", "-2147483648"});
    EXPECT_EQ(ReadFileBytes(dir.file("out.wav")).size(), 44u);  // no silence for negative lengths
}

TEST_F(CliTest, WorkBufferSizeTakesEffect)
{
    // 192 kHz 32-bit stereo: one 40 ms block is 61,440 bytes.
    WavSpec wav;
    wav.sampleRate = 192000;
    wav.bits = 32;
    wav.data = NoiseBytes(19200 * 8);
    std::string source = dir.write("src.wav", wav.build());
    runFails({"--work-buffer", "32768", "copy", source, dir.file("out.wav")}, "総読み込みバイト数が異状です・・・WC2");
    runOk({"--work-buffer", "61440", "copy", source, dir.file("out.wav")});
    EXPECT_EQ(ReadFileBytes(dir.file("out.wav")), ReadFileBytes(source));
}

TEST_F(CliTest, AWorkBufferBelowTheSmallBufferIsWrongUsageThatSaysTheLeast)
{
    std::string source = stereo("src.wav", 4410);
    ToolResult r = run({"--work-buffer", "32767", "copy", source, dir.file("out.wav")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.ends_with("vantro-wav: --work-buffer takes a number of bytes from 32768 up, not '32767'\n"))
        << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.wav")));
}

TEST_F(CliTest, ATargetThatIsTheSourceIsRefusedAndTheSourceKept)
{
    WavSpec wav;
    wav.fmtExtra = {0, 0};  // fmt16 would convert it
    wav.data = NoiseBytes(400);
    std::string source = dir.write("src.wav", wav.build());
    std::filesystem::create_hard_link(source, dir.file("link.wav"));
    const std::vector<std::string> sameFiles = {source, dir.file("link.wav")};
    const std::vector<std::pair<std::string, std::string>> commands = {
        {"copy", "WC2"}, {"swap", "RV"}, {"fmt16", "FC"}};
    for (const auto& [command, code] : commands) {
        for (const auto& target : sameFiles) {
            ToolResult r = run({command, source, target});
            EXPECT_EQ(r.status, 1) << command;
            EXPECT_EQ(r.err, "新規ファイルの作成にッ失敗しました・・・" + code + "\n" + target + "\n") << command;
        }
    }
    EXPECT_EQ(run({"split", source, source, "left"}).status, 1);
    EXPECT_EQ(ReadFileBytes(source), wav.build());
}
