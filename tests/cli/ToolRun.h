#pragma once
// Runs the real vantro-wav as a child process and captures what it prints.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

struct ToolResult {
    int status = -1;  // exit status, -1 when the tool did not exit normally
    std::string out;
    std::string err;
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

// Runs the tool with the arguments; stdout and stderr go to files in `scratch`.
inline ToolResult RunTool(const std::vector<std::string>& args, const std::filesystem::path& scratch)
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

    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    ToolResult r;
    r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    r.out = ReadText(outPath);
    r.err = ReadText(errPath);
    return r;
}
