#pragma once
// An interrupt (SIGINT, SIGTERM) ends the program without leaving a
// half-made file: the temporary files being written are removed first, then
// the program ends with the signal's usual status. Installed by vantro-wav and
// by the desktop program.
void InstallInterruptCleanup();
