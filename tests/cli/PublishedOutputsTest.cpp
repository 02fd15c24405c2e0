// Each output of a batch command or a cut appears whole under its name or
// not at all: with two runs at once into one folder, with a signal in
// mid-run, and on empty or unwritable places given on the command line.
#include "CliFixture.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

// The path a log line names: a batch line ends in " " + path, a cut line
// begins with path + "  ".
std::string LoggedPath(const std::string& line)
{
    const size_t cut = line.find("  ");
    if (line.starts_with("/")) return line.substr(0, cut);
    return line.substr(line.rfind(' ') + 1);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// 16-bit stereo frames: left and right halves of each frame.
Bytes Channel(const Bytes& data, int side)
{
    Bytes out;
    for (size_t at = static_cast<size_t>(side) * 2; at + 1 < data.size(); at += 4) {
        out.push_back(data[at]);
        out.push_back(data[at + 1]);
    }
    return out;
}

Bytes Swapped(const Bytes& data)
{
    Bytes out(data.size());
    for (size_t at = 0; at + 3 < data.size(); at += 4) {
        std::copy(data.begin() + static_cast<long>(at) + 2, data.begin() + static_cast<long>(at) + 4,
                  out.begin() + static_cast<long>(at));
        std::copy(data.begin() + static_cast<long>(at), data.begin() + static_cast<long>(at) + 2,
                  out.begin() + static_cast<long>(at) + 2);
    }
    return out;
}

Bytes Joined(const Bytes& a, const Bytes& b)
{
    Bytes out(a);
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

// The sample bytes of a WAV file of any fmt chunk size.
Bytes SamplesOf(const Bytes& wav)
{
    for (size_t at = 12; at + 8 <= wav.size();) {
        const uint32_t size = ReadU32(wav, at + 4);
        if (std::equal(wav.begin() + static_cast<long>(at), wav.begin() + static_cast<long>(at) + 4, "data"))
            return Bytes(wav.begin() + static_cast<long>(at) + 8,
                         wav.begin() + static_cast<long>(std::min<size_t>(wav.size(), at + 8 + size)));
        at += 8 + size + (size & 1);
    }
    return {};
}

constexpr size_t Frames = 100000;  // 400 KB of samples a source
constexpr size_t CutFrame = 8820;  // 200 ms at 44.1 kHz

}  // namespace

class TwoRunsTest : public CliTest {
protected:
    // One source named x.wav in each of two folders, with data of their own.
    std::string source(int run)
    {
        const fs::path folder = dir.path() / ("run" + std::to_string(run));
        fs::create_directories(folder);
        WavSpec spec;
        spec.data = NoiseBytes(Frames * 4, static_cast<uint32_t>(run + 7));
        // An 18-byte fmt chunk, so that the fmt command has work to do.
        spec.fmtExtra = {0, 0};
        return dir.write("run" + std::to_string(run) + "/x.wav", spec.build());
    }

    // What an output of the source may hold, by what the command writes.
    std::vector<Bytes> expected(const std::string& command, const Bytes& data)
    {
        if (command == "separate") return {Channel(data, 0), Channel(data, 1)};
        if (command == "reverse") return {Swapped(data)};
        if (command == "join") return {Joined(data, data)};
        if (command == "cut")
            return {Bytes(data.begin(), data.begin() + CutFrame * 4), Bytes(data.begin() + CutFrame * 4, data.end())};
        return {data};
    }

    std::vector<std::string> args(const std::string& command, int run, const std::string& src, const std::string& out)
    {
        if (command == "cut") return {"cut", src, out, "0", "200"};
        if (command == "join") return {"join", out, src, src};
        if (command == "list-join") {
            const std::string list = dir.file("run" + std::to_string(run) + "/list.txt");
            std::ofstream(list) << src << "\n>" << out << "/x.wav\n";
            return {"list-join", list};
        }
        return {command, out, src};
    }
};

// Two runs of one command at once, into one folder, with sources of one
// name: every output either run reports exists under its own name and holds
// that run's data. A list join names its output itself: a run that finds it
// taken keeps the other's output and says so.
TEST_F(TwoRunsTest, EachRunKeepsEveryOutputItReports)
{
    const std::string srcs[2] = {source(0), source(1)};
    for (const std::string command : {"convert", "fmt", "join", "separate", "reverse", "list-join", "cut"}) {
        const fs::path out = dir.path() / ("out-" + command);
        fs::create_directories(out);
        std::set<std::string> reported;
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (command == "list-join") fs::remove(out / "x.wav");
            ToolProcess runs[2];
            for (int run = 0; run < 2; ++run) {
                const fs::path scratch = dir.path() / ("scratch" + std::to_string(run));
                fs::create_directories(scratch);
                runs[run] = StartTool(args(command, run, srcs[run], out.string()), scratch);
            }
            int listJoined = 0;
            for (int run = 0; run < 2; ++run) {
                const ToolResult r = FinishTool(runs[run], 60);
                const std::vector<Bytes> allowed = expected(command, SamplesOf(ReadFileBytes(srcs[run])));
                if (command == "list-join" && r.status != 0) continue;
                ASSERT_EQ(r.status, 0) << command << ": " << r.err;
                for (const std::string& line : Lines(r.out)) {
                    const std::string path = LoggedPath(line);
                    EXPECT_TRUE(reported.insert(path).second || command == "list-join") << command << " " << path;
                    const Bytes held = SamplesOf(ReadFileBytes(path));
                    EXPECT_NE(std::find(allowed.begin(), allowed.end(), held), allowed.end())
                        << command << ": " << path << " holds another run's data";
                }
                listJoined += !r.out.empty();
            }
            if (command == "list-join") {
                EXPECT_GE(listJoined, 1);
            }
        }
        for (const auto& entry : fs::directory_iterator(out))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
    }
}

class SignalTest : public CliTest {
protected:
    // Starts the command, waits until its first temporary file appears in
    // `out` and then `delay` more, and sends the signal.
    ToolResult interrupted(std::vector<std::string> args, const fs::path& out, int signal,
                           std::chrono::milliseconds delay)
    {
        ToolProcess p = StartTool(args, dir.path());
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        int wstatus = 0;
        bool ended = false;
        while (!(ended = ToolEnded(p, wstatus)) && std::chrono::steady_clock::now() < deadline && !building(out))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (!ended) std::this_thread::sleep_for(delay);
        if (!ended && !(ended = ToolEnded(p, wstatus))) kill(p.pid, signal);
        if (ended) {
            ToolResult r;
            r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
            return r;
        }
        return FinishTool(p, 60);
    }

    static bool building(const fs::path& out)
    {
        std::error_code ec;
        for (fs::directory_iterator it(out, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().filename().string().starts_with(".")) return true;
        return false;
    }

    std::vector<std::string> sources()
    {
        std::vector<std::string> paths;
        for (int i = 0; i < 6; ++i) paths.push_back(stereo("s" + std::to_string(i) + ".wav", 500000, i + 1));
        return paths;
    }
};

// A signal in mid-run leaves no temporary file and nothing unfinished under
// an output's name: a conversion keeps only whole converted files, a join
// and a list join leave no output at all.
TEST_F(SignalTest, LeavesOnlyWholeOutputs)
{
    const std::vector<std::string> srcs = sources();
    const size_t whole = 44 + (44100 + 500000 + 13230) * 4;  // head 1 s, the sound, tail 0.3 s
    const std::string list = dir.file("list.txt");
    int signal = SIGTERM;
    for (const std::string command : {"convert", "join", "list-join"}) {
        for (const int delay : {0, 20, 60, 120}) {
            const fs::path out = dir.path() / ("out-" + command + std::to_string(delay));
            fs::create_directories(out);
            std::vector<std::string> args{"--work-buffer", "32768", command};
            if (command != "list-join") {
                for (const char* option : {"--head", "1", "0", "--fade-in", "3", "--fade-out", "3", "--tail", "0", "3"})
                    args.push_back(option);
                args.push_back(out.string());
                args.insert(args.end(), srcs.begin(), srcs.end());
            } else {
                std::ofstream lines(list);
                for (const std::string& s : srcs) lines << s << "\n";
                lines << ">" << (out / "all.wav").string() << "\n";
                args.push_back(list);
            }
            const ToolResult r = interrupted(args, out, signal, std::chrono::milliseconds(delay));
            signal = signal == SIGTERM ? SIGINT : SIGTERM;
            if (r.signal == 0) continue;  // it finished before the signal: nothing to see
            for (const auto& entry : fs::directory_iterator(out)) {
                const std::string name = entry.path().filename().string();
                EXPECT_FALSE(name.starts_with(".")) << command << ": " << name << " left behind";
                EXPECT_EQ(command, "convert") << name << " is an unfinished join";
                EXPECT_EQ(fs::file_size(entry.path()), whole) << command << ": " << name;
            }
        }
    }
}

// An empty output folder is wrong usage, never the current folder or the
// root; output that cannot be written is a failure.
TEST_F(CliTest, EmptyFolderIsWrongUsageAndUnwritableOutputFails)
{
    const std::string a = stereo("a.wav", 100);
    for (std::vector<std::string> args : {std::vector<std::string>{"cut", a, "", "0"},
                                          {"convert", "", a},
                                          {"join", "--head", "1", "0", "", a},
                                          {"separate", "", a}}) {
        const ToolResult r = run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_NE(r.err.find("OUTDIR must not be empty"), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(dir.file("a_0000.wav")));
    EXPECT_FALSE(fs::exists("/a_0000.wav"));

    const std::string err = dir.file("err.txt");
    const int status = std::system((ToolPath() + " info '" + a + "' > /dev/full 2> '" + err + "'").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(ReadText(err).find("write error on standard output"), std::string::npos) << ReadText(err);
}
