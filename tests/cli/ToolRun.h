#pragma once
// Runs the real vantro-wav as a child process and captures what it prints.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

struct ToolResult {
    int status = -1;  // exit status, -1 when the tool did not exit normally
    int signal = 0;   // the signal that ended it, 0 when it exited
    bool timedOut = false;  // still running at the deadline, then killed
    std::string out;
    std::string err;
};

// A started tool and the folder that receives what it prints.
struct ToolProcess {
    pid_t pid = -1;
    std::filesystem::path scratch;
};

// VANTRO_WAV_TOOL names the tool; without it, the tool of the build tree that
// holds this test program (<build>/tests/test_cli, <build>/src/cli/vantro-wav).
inline std::string ToolPath()
{
    const char* path = std::getenv("VANTRO_WAV_TOOL");
    if (path && *path) return path;
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    auto tool = self.parent_path().parent_path() / "src" / "cli" / "vantro-wav";
    if (ec || !std::filesystem::exists(tool)) throw std::runtime_error("VANTRO_WAV_TOOL is not set");
    return tool.string();
}

inline std::string ReadText(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Starts the tool with the arguments; stdout and stderr go to files in `scratch`.
inline ToolProcess StartTool(const std::vector<std::string>& args, const std::filesystem::path& scratch)
{
    std::string tool = ToolPath();
    std::vector<char*> argv{tool.data()};
    std::vector<std::string> copies(args);
    for (auto& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::string outPath = (scratch / "tool.out").string();
    std::string errPath = (scratch / "tool.err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + tool);
    return {pid, scratch};
}

// True once the tool has ended (its status is then in `wstatus`).
inline bool ToolEnded(const ToolProcess& p, int& wstatus) { return waitpid(p.pid, &wstatus, WNOHANG) == p.pid; }

// Waits for the tool; with a limit in seconds, a tool still running then is
// killed and reported as timed out, so that a hang fails a test instead of
// holding it.
inline ToolResult FinishTool(const ToolProcess& p, double limitSeconds = -1)
{
    int wstatus = 0;
    ToolResult r;
    if (limitSeconds < 0) {
        waitpid(p.pid, &wstatus, 0);
    } else {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(limitSeconds);
        while (!ToolEnded(p, wstatus)) {
            if (std::chrono::steady_clock::now() > deadline) {
                r.timedOut = true;
                kill(p.pid, SIGKILL);
                waitpid(p.pid, &wstatus, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    r.signal = WIFSIGNALED(wstatus) ? WTERMSIG(wstatus) : 0;
    r.out = ReadText(p.scratch / "tool.out");
    r.err = ReadText(p.scratch / "tool.err");
    return r;
}

// Runs the tool with the arguments and waits for it.
inline ToolResult RunTool(const std::vector<std::string>& args, const std::filesystem::path& scratch,
                          double limitSeconds = -1)
{
    return FinishTool(StartTool(args, scratch), limitSeconds);
}
