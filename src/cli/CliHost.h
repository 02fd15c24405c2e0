#pragma once
// The engine's host on the command line: no user interface to keep alive, and
// every message box prints its text on standard error and takes its default
// answer, as its count-down would.
void InstallCliHost();
