#pragma once
// The engine's file layer: one open file, closed on every way out, with 64-bit
// positions. Reads and writes report how many bytes they moved, so that every
// caller can tell a short read or write from a whole one.
//
// FileFaults is the test seam: it makes the Nth read, write, seek, truncate or
// rename from now fail (a read or write then moves fewer bytes than asked, a
// seek, truncate or rename reports failure), so that every failure message of
// the engine and every way out of a half-made file can be reached.
#include <cstdint>
#include <cstdio>
#include <string>

struct FileFaults {
    // 1 = the next call of that kind fails, 2 = the one after, ...; 0 = off.
    static inline int64_t failRead = 0;
    static inline int64_t failWrite = 0;
    static inline int64_t failSeek = 0;
    static inline int64_t failTruncate = 0;
    static inline int64_t failRename = 0;
    static void reset() { failRead = failWrite = failSeek = failTruncate = failRename = 0; }
};

class WavFile {
public:
    enum class Mode {
        Read,       // existing file, read only
        ReadWrite,  // existing file, read and write in place
        Create,     // new file that must not exist yet (never replaces one), read and write
    };

    WavFile() = default;
    WavFile(const WavFile&) = delete;
    WavFile& operator=(const WavFile&) = delete;
    ~WavFile() { close(); }

    // Opens a regular file only: a FIFO or a device would hold the call until
    // another process acts on it, and neither is a WAV file.
    bool open(const std::string& path, Mode mode);
    bool isOpen() const { return file_ != nullptr; }
    // False when the file could not be closed cleanly (its last bytes may be lost).
    bool close();

    // Bytes actually read (fewer than n at the end of the file or on failure).
    int64_t read(void* buffer, int64_t n);
    // Bytes actually written.
    int64_t write(const void* buffer, int64_t n);
    // Moves to an absolute position; false when the move failed.
    bool seek(int64_t position);
    // Moves relative to the current position; false when the move failed.
    bool seekBy(int64_t delta);
    // Moves to the end; returns the new position (the file's length) or -1.
    int64_t seekEnd();
    // The current position, or -1.
    int64_t position();
    // The file's length now, or -1. It does not move the file and is no
    // seek: checks made before any transfer ask it.
    int64_t length();

    // Writes `bytes` bytes of `source`, from its position `from` on, at this
    // file's position; returns the bytes written (fewer when the source ends
    // early or a write fails). Where the system can show a file's bytes in
    // memory, they are written straight from that view, one copy instead of a
    // read and a write; a view never lasts longer than one window of a few MiB.
    int64_t writeFrom(WavFile& source, int64_t from, int64_t bytes);

    // Asks the file system to set aside room for a new file's first `bytes`
    // bytes at once instead of block by block as they are written. The file's
    // length stays as it is; where the file system cannot, nothing happens.
    void reserve(int64_t bytes);

private:
    enum class LastOp { None, Read, Write };
    bool rawSeek(int64_t offset, int whence);
    void switchTo(LastOp op);
    int64_t writeThroughBuffer(WavFile& source, int64_t from, int64_t bytes);
    int64_t writeThroughView(WavFile& source, int64_t from, int64_t bytes);

    std::FILE* file_ = nullptr;
    LastOp last_ = LastOp::None;
};

// Removes a file; true when it is gone afterwards.
bool DeleteWavFile(const std::string& path);

// Gives a file a new name, replacing in one step whatever file had that name.
bool RenameWavFile(const std::string& from, const std::string& to);

// Sets a file's length (also while it is open); true when it now has that length.
bool TruncateWavFile(const std::string& path, int64_t length);

// True when both names lead to one existing file (also through links).
bool SameFile(const std::string& a, const std::string& b);
