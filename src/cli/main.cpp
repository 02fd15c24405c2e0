// vantro-wav: one engine routine per call, on the command line.
//   exit 0: done; 1: the routine failed (its message on standard error);
//   2: wrong usage (nothing was run).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "CliArgs.h"
#include "CliCommands.h"
#include "CliHost.h"
#include "CliOutput.h"
#include "InterruptCleanup.h"
#include "WorkBuffers.h"

namespace {

constexpr int ExitDone = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// The usage text, then what was wrong: the last line a terminal shows.
int usageError(const std::string& why)
{
    std::fputs(UsageText().c_str(), stderr);
    PrintLine(stderr, "vantro-wav: " + why);
    return ExitUsage;
}

int run(Invocation& inv)
{
    InstallCliHost();
    InstallInterruptCleanup();
    if (inv.workBufferBytes) WorkBufSize = *inv.workBufferBytes;
    std::string errorText;
    try {
        RunCommand(inv.command, std::move(inv.args), errorText, stdout);
    } catch (const UsageError&) {
        throw;
    } catch (const std::exception& e) {
        // A fault the routine did not catch: its default text says what failed.
        if (errorText.empty()) errorText = e.what();
    }
    if (!errorText.empty()) PrintLine(stderr, errorText);
    // Output that could not be written (a full disk, a closed pipe) is a
    // failure, as it is for the system's own tools.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        PrintLine(stderr, std::string("vantro-wav: write error on standard output: ") + std::strerror(errno));
        return ExitFailed;
    }
    return errorText.empty() ? ExitDone : ExitFailed;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        Invocation inv = ParseInvocation(std::vector<std::string>(argv + 1, argv + argc));
        if (inv.help) {
            std::fputs(UsageText().c_str(), stdout);
            return ExitDone;
        }
        return run(inv);
    } catch (const UsageError& e) {
        return usageError(e.what());
    }
}
