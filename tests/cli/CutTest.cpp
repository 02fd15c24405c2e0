// vantro-wav cut: the parts of "ALL カット", named as the cut face names them.
#include <regex>

#include "CliFixture.h"

namespace {

constexpr uint32_t Rate = 11025;  // frames of a millisecond are not whole: floor(ms x rate / 1000)
constexpr size_t FrameBytes = 4;

size_t FrameAt(int64_t ms) { return static_cast<size_t>(ms * Rate / 1000); }

class CutTest : public CliTest {
protected:
    Bytes data;

    // 16-bit stereo noise of `ms` milliseconds at 11,025 Hz.
    std::string source(const std::string& name, int64_t ms)
    {
        WavSpec spec;
        spec.sampleRate = Rate;
        spec.data = data = NoiseBytes(FrameAt(ms) * FrameBytes, 7);
        return dir.write(name, spec.build());
    }

    Bytes frames(size_t first, size_t end) const
    {
        return Bytes(data.begin() + first * FrameBytes, data.begin() + end * FrameBytes);
    }

    std::vector<std::string> names(const std::string& folder) const
    {
        std::vector<std::string> found;
        for (const auto& e : std::filesystem::directory_iterator(dir.path() / folder))
            found.push_back(e.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
};

}  // namespace

TEST_F(CutTest, PartsRunFromEachTimeToTheNextAndTheLastToTheEnd)
{
    const std::string src = source("song.wav", 70000);
    std::filesystem::create_directory(dir.path() / "out");
    ToolResult r = run({"cut", src, dir.file("out"), "60000", "0", "10001", "0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "カット終了☆☆☆\nお疲れ様☆☆☆\n");

    const auto parts = names("out");
    ASSERT_EQ(parts.size(), 3u);
    const std::regex longName("song_\\d{6}_\\d{6}_(00000|10001|60000)\\.wav");
    for (const auto& name : parts) EXPECT_TRUE(std::regex_match(name, longName)) << name;
    EXPECT_TRUE(parts[1].ends_with("_10001.wav"));
    EXPECT_EQ(DataOf(ReadFileBytes(dir.path() / "out" / parts[0])), frames(0, FrameAt(10001)));
    EXPECT_EQ(DataOf(ReadFileBytes(dir.path() / "out" / parts[1])), frames(FrameAt(10001), FrameAt(60000)));
    EXPECT_EQ(DataOf(ReadFileBytes(dir.path() / "out" / parts[2])), frames(FrameAt(60000), data.size() / FrameBytes));

    const std::regex logLine(".*/out/song_\\d{6}_\\d{6}_(00000\\.wav  10s000|10001\\.wav  49s999|60000\\.wav  10s000)  "
                             "\\d\\d/\\d\\d/\\d\\d [A-Z][a-z]{2} \\d\\d:\\d\\d:\\d\\d ");
    std::istringstream lines(r.out);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) EXPECT_TRUE(std::regex_match(line, logLine)) << line;
    EXPECT_EQ(count, 3);
}

TEST_F(CutTest, ShortNamesCountOnMinutesAndCategoriesAndNoPartReplacesAFile)
{
    const std::string src = source("take.wav", 65000);
    std::filesystem::create_directory(dir.path() / "out");
    EXPECT_EQ(run({"cut", "--short-names", src, dir.file("out"), "0"}).status, 0);
    ToolResult r = run({"cut", "--short-names", "--minutes", "--category", "intro", src, dir.file("out"), "1.00000"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(names("out"), (std::vector<std::string>{"take_00000.wav", "take_c000_1m00000_intro.wav"}));
    EXPECT_TRUE(r.out.find("take_c000_1m00000_intro.wav  0m05000  ") != std::string::npos) << r.out;

    // A part whose name is taken (here by a name the "*.wav" count does not
    // see) gets the first free numbered name; the file there stays as it was.
    WavSpec other;
    other.sampleRate = Rate;
    other.data = NoiseBytes(400, 9);
    dir.write("rec.BWF", other.build());
    std::filesystem::create_directory(dir.path() / "bwf");
    const std::string kept = dir.write("bwf/rec_0.BWF", Bytes{'k'});
    EXPECT_EQ(run({"cut", "--short-names", dir.file("rec.BWF"), dir.file("bwf"), "0"}).status, 0);
    EXPECT_EQ(ReadFileBytes(kept), Bytes{'k'});
    EXPECT_EQ(DataOf(ReadFileBytes(dir.file("bwf/rec_0_m000.BWF"))), other.data);
}

TEST_F(CutTest, FailuresAreReportedAndWrongUsageRunsNothing)
{
    const std::string src = source("s.wav", 3000);
    std::filesystem::create_directory(dir.path() / "out");
    ToolResult r = run({"cut", src, dir.file("out"), "1000", "5000", "999999999999"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(names("out").size(), 1u);
    EXPECT_NE(r.err.find(src + "\n選択タイム：5000\nカットに失敗しました・・・\n"), std::string::npos) << r.err;

    r = run({"cut", dir.file("gone.wav"), dir.file("out"), "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, dir.file("gone.wav") + "\nファイルがありません・・・\n");
    const std::string text = dir.write("text.wav", Bytes{'h', 'i'});
    r = run({"cut", text, dir.file("out"), "0"});
    EXPECT_EQ(r.err, "カットエラー：" + text + "\n オープンに失敗しました。\n");

    for (std::vector<std::string> wrong : {std::vector<std::string>{"cut", src, dir.file("out")},
                                           {"cut", src, dir.file("out"), "1.x"},
                                           {"cut", src, dir.file("out"), "-5"},
                                           {"cut", "--long", src, dir.file("out"), "0"},
                                           {"cut", "--category"}}) {
        EXPECT_EQ(run(wrong).status, 2) << wrong.back();
    }
    EXPECT_EQ(names("out").size(), 1u);
}
