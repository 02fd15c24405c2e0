#pragma once
// Shared by the fuzz targets: the input written as WAV files in a folder of
// this process, small parameters drawn from the input, and the checks that
// every successful routine must pass.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "WavHead.h"

// Writes bytes as a file in this process's fuzz folder (made on first use,
// reused by every later input, removed at exit); returns its full path.
std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size);

// Full path of a file in the fuzz folder; the file itself is removed first, so
// that no output of an earlier input is mistaken for a new one.
std::string FreshFuzzPath(const std::string& name);

// The names of the files in the fuzz folder.
std::set<std::string> FuzzFolderNames();

// A call leaves the fuzz folder as it was before it (`before`), apart from
// the one file it made (`made`, empty when it made none): no temporary file
// stays behind, and a failed call leaves no output.
void RequireFolderAfter(const std::set<std::string>& before, const std::string& made, const char* what);

// Parameters taken from the last bytes of the input (0 beyond its start), so
// that a mutation of the tail steers them while the whole input stays the file.
class InputParams {
public:
    InputParams(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    // The i-th byte from the end.
    uint8_t byte(size_t i) const { return i < size_ ? data_[size_ - 1 - i] : 0; }
    // A value in [lo, hi] from the i-th byte from the end.
    int64_t pick(size_t i, int64_t lo, int64_t hi) const { return lo + byte(i) % (hi - lo + 1); }
    // One of the values, chosen by the i-th byte from the end.
    template <typename T, size_t N>
    T among(size_t i, const T (&values)[N]) const { return values[byte(i) % N]; }

private:
    const uint8_t* data_;
    size_t size_;
};

// Sets WorkBufSize to one of a few sizes (the default, the small fallback, a
// few 40 ms blocks, less than one) chosen by a byte.
void ChooseWorkBuffer(uint8_t choice);

// The head of a file as the engine walks it, or nothing when the walk fails.
std::optional<WavHead> PeekHead(const std::string& path);

// True when the data chunk follows the fmt chunk, the layout that the engine's
// outputs are checked against.
inline bool DataAfterFmt(const WavHead& head) { return head.dataHeader >= head.fmtEnd(); }

// Silence lengths shortened (seconds first, then tenths) until the silence
// they give for this head stays within a fuzz-sized write. Lengths beyond
// 32-bit sizes are kept: the routines refuse them before writing anything.
std::pair<int32_t, int32_t> BoundedSilence(const WavHead& head, int32_t seconds, int32_t tenths);

// Aborts with the message when the condition fails: a fault in the engine.
void Require(bool condition, const char* what);

// Counts the writes of the engine's file layer while it lives (through the
// fault seam, armed far beyond reach), so that a refusal can be checked to
// have written nothing at all, not even a temporary file's first bytes.
class WriteCounter {
public:
    WriteCounter();
    ~WriteCounter();
    WriteCounter(const WriteCounter&) = delete;
    WriteCounter& operator=(const WriteCounter&) = delete;
    int64_t writes() const;
};

// A refused call (err not empty) wrote nothing: every check ran first.
void RequireNothingWrittenOnRefusal(const std::string& err, const WriteCounter& counter);

// The data's bytes up to the end of its last whole frame.
inline int64_t WholeFrames(const WavHead& head) { return head.wholeFrameBytes(); }

// What a written file holds, found by walking its bytes from offset 12 (the
// engine's own reader is not used: it refuses files under 46 bytes, and a head
// without samples is shorter).
struct WrittenLayout {
    uint16_t channels = 0;
    uint32_t fmtSize = 0;
    uint32_t dataSize = 0;
    int64_t dataEnd = 0;
    int64_t length = 0;
    uint32_t riffSize = 0;
};

// A file as the engine writes a new WAV file: a `fmt ` chunk, then a data
// chunk that ends the file, and a RIFF size that counts everything behind it.
WrittenLayout RequireNewLayout(const std::string& path);

// A file grown in place: the RIFF size ends at the end of the data, and the
// file is at least that long.
WrittenLayout RequireGrownLayout(const std::string& path);

// The file still holds exactly these bytes.
void RequireUnchanged(const std::string& path, const uint8_t* data, size_t size);

// Both files hold the same bytes.
bool SameFileBytes(const std::string& a, const std::string& b);

// The file still begins with these bytes.
void RequirePrefixUnchanged(const std::string& path, const uint8_t* data, size_t size, const char* what);
