#pragma once
// The temporary files being written at this moment, kept where a signal
// handler can reach them: a host that ends on an interrupt removes them first,
// so that no half-made file is left behind.
//
// The record is a small fixed table, each slot guarded by a lock-free atomic
// state, so that a few callers may register and forget at once. Where the
// system has descriptors, a slot holds an open descriptor of the file's folder
// and the file's own name: a file is then removed however long the path of its
// folder (also beyond what the system takes as one path) and wherever the
// current folder has moved since. Elsewhere a slot holds the path text. A file
// that cannot be recorded (its folder cannot be opened, the table is full) is
// still removed on every ordinary way out, only not on an interrupt.
#include <string>

// Records a file; returns its slot, or -1 when it could not be recorded.
int RegisterFileInFlight(const std::string& path);

// Drops a slot's record (the file is now complete or already removed); -1 is ignored.
void ForgetFileInFlight(int slot);

// Removes every recorded file. Meant for a signal handler: it takes no lock,
// allocates nothing and calls only unlinkat() or unlink() where the system
// has them (which POSIX lists as safe in a signal handler), else std::remove.
void RemoveFilesInFlight() noexcept;
