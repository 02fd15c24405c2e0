#pragma once
// An interrupt (SIGINT, SIGTERM) ends the tool without leaving a half-made
// file: the temporary files being written are removed first, then the tool
// ends with the signal's usual status.
void InstallInterruptCleanup();
