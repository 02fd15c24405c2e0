// What vantro-wav leaves on disk when a run cannot finish normally: a new
// file appears whole or not at all, whatever stops the run or runs beside it.
#include "CliFixture.h"

#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace {

const std::string OpenFailed = "WAVファイルの読み出しに失敗しましたOP・・・";
const std::string CreateFailed = "新規ファイルの作成にッ失敗しました・・・";
const std::string HeadCreateFailed = "WAVファイルの新規作成に失敗しました・・・MF\n";
constexpr double RefusalLimit = 10;  // seconds; a refusal takes milliseconds
constexpr double CopyLimit = 120;

std::set<std::string> Names(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// A 16-bit stereo file of `dataBytes` real (not sparse) sample bytes, written
// block by block.
std::string LargeWav(const fs::path& path, int64_t dataBytes)
{
    WavSpec head;
    head.dataSizeField = dataBytes;
    const Bytes headBytes = head.build();
    const Bytes block = NoiseBytes(1 << 20);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(headBytes.data()), static_cast<std::streamsize>(headBytes.size()));
    for (int64_t left = dataBytes; left > 0; left -= static_cast<int64_t>(block.size()))
        out.write(reinterpret_cast<const char*>(block.data()),
                  static_cast<std::streamsize>(std::min<int64_t>(left, static_cast<int64_t>(block.size()))));
    return path.string();
}

}  // namespace

// A FIFO would hold every command until another process opened its other end;
// as source, file or target it is refused at once, and it stays.
TEST_F(CliTest, AFifoIsRefusedAtOnceAndKept)
{
    const std::string fifo = dir.file("pipe.wav");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string wav = stereo("in.wav", 100);
    const std::string out = dir.file("out.wav");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"info", fifo}, OpenFailed + "GW"},
        {{"copy", fifo, out}, OpenFailed + "WC2"},
        {{"tail-silence", fifo, "1", "0"}, OpenFailed + "EA\n" + fifo},
        {{"fade", fifo, "1", "1", "0", "0"}, OpenFailed + "F"},
        {{"append", fifo, wav}, OpenFailed + "KD"},
        {{"append", wav, fifo}, OpenFailed + "K"},
        {{"copy", wav, fifo}, CreateFailed + "WC2\n" + fifo},
        {{"head-silence", wav, fifo, "0", "1"}, HeadCreateFailed + fifo},
    };
    for (const auto& [args, message] : cases) {
        const ToolResult r = RunTool(args, dir.path(), RefusalLimit);
        EXPECT_FALSE(r.timedOut) << args[0];
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.err, message + "\n") << args[0];
        EXPECT_TRUE(fs::is_fifo(fifo)) << args[0];
    }
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"in.wav", "pipe.wav", "tool.out", "tool.err"}));
}

// Two runs writing one target each write their own file; the target is then
// a whole copy of one source (whichever finished last), never a mixture.
TEST_F(CliTest, TwoCopiesOntoOneTargetLeaveOneWholeCopy)
{
    const std::string a = stereo("a.wav", 6'000'000, 1);
    const std::string b = stereo("b.wav", 4'000'000, 2);
    const std::string out = dir.file("out.wav");
    fs::create_directory(dir.path() / "run-a");
    fs::create_directory(dir.path() / "run-b");
    for (int round = 0; round < 2; ++round) {
        const ToolProcess first = StartTool({"--work-buffer", "32768", "copy", a, out}, dir.path() / "run-a");
        const ToolProcess second = StartTool({"--work-buffer", "32768", "copy", b, out}, dir.path() / "run-b");
        const ToolResult ra = FinishTool(first, CopyLimit);
        const ToolResult rb = FinishTool(second, CopyLimit);
        EXPECT_EQ(ra.status, 0) << ra.err;
        EXPECT_EQ(rb.status, 0) << rb.err;
        const Bytes made = ReadFileBytes(out);
        EXPECT_TRUE(made == ReadFileBytes(a) || made == ReadFileBytes(b)) << "round " << round;
    }
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"a.wav", "b.wav", "out.wav", "run-a", "run-b"}));
}

// SIGTERM in the middle of a long copy: the tool removes its temporary file
// and ends as the signal ends it; no file under the target's name appears.
TEST_F(CliTest, AnInterruptedCopyLeavesNeitherTargetNorTemporaryFile)
{
    const std::string big = LargeWav(dir.path() / "big.wav", 300'000'000);
    fs::create_directory(dir.path() / "run");
    const ToolProcess p = StartTool({"--work-buffer", "32768", "copy", big, dir.file("out.wav")}, dir.path() / "run");
    // Waits until the output under way holds a few megabytes.
    bool underWay = false;
    int wstatus = 0;
    bool ended = false;
    while (!underWay && !(ended = ToolEnded(p, wstatus))) {
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            std::error_code ec;
            if (entry.is_regular_file(ec) && entry.path().filename() != "big.wav" &&
                entry.file_size(ec) > (4u << 20))
                underWay = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_FALSE(ended) << "the copy ended before it could be interrupted";
    kill(p.pid, SIGTERM);
    const ToolResult r = FinishTool(p, CopyLimit);
    EXPECT_EQ(r.signal, SIGTERM);
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"big.wav", "run"}));
}
