#pragma once
// The temporary files being written at this moment, kept where a signal
// handler can reach them: a host that ends on an interrupt removes them first,
// so that no half-made file is left behind.
//
// The record is a small fixed table of path texts, each guarded by a
// lock-free atomic state; registering never allocates, and removal only reads
// the table. A path that does not fit a slot, or a table that is full, leaves
// the file unregistered: it is still removed on every ordinary way out, only
// not on an interrupt.
#include <string>

// Records a file; returns its slot, or -1 when it could not be recorded.
int RegisterFileInFlight(const std::string& path);

// Drops a slot's record (the file is now complete or already removed); -1 is ignored.
void ForgetFileInFlight(int slot);

// Removes every recorded file. Meant for a signal handler: it takes no lock,
// allocates nothing and calls only unlink() where the system has it (which
// POSIX lists as safe in a signal handler), else std::remove.
void RemoveFilesInFlight() noexcept;
