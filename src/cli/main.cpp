// vantro-wav: one engine routine per call, on the command line.
//   exit 0: done; 1: the routine failed (its message on standard error);
//   2: wrong usage (nothing was run).
#include <cstdio>
#include <exception>
#include <string>
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

int run(const Invocation& inv)
{
    InstallCliHost();
    InstallInterruptCleanup();
    if (inv.workBufferBytes) WorkBufSize = *inv.workBufferBytes;
    std::string errorText;
    try {
        RunCommand(inv.command, inv.args, errorText, stdout);
    } catch (const UsageError&) {
        throw;
    } catch (const std::exception& e) {
        // A fault the routine did not catch: its default text says what failed.
        if (errorText.empty()) errorText = e.what();
    }
    if (errorText.empty()) return ExitDone;
    PrintLine(stderr, errorText);
    return ExitFailed;
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
