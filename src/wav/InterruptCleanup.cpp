#include "InterruptCleanup.h"

#include <csignal>

#include "FilesInFlight.h"

namespace {

// Runs in the signal handler, so it does only what may be done there: the
// removal takes no lock and allocates nothing (see FilesInFlight), then the
// default action is restored and the signal raised again, so that the program
// ends as the signal would have ended it. Both calls are safe in a signal
// handler on POSIX systems.
void EndOnInterrupt(int signal)
{
    RemoveFilesInFlight();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void InstallInterruptCleanup()
{
    std::signal(SIGINT, EndOnInterrupt);
    std::signal(SIGTERM, EndOnInterrupt);
}
