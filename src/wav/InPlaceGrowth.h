#pragma once
// A WAV file grown in place: new bytes are written from a point at the end of
// its data on (the end of its last whole frame, so that a partial frame is
// written over), over whatever followed, and its two size fields are patched.
// Before the first byte changes, what a failure must put back is kept: the
// file's length, its size fields and the bytes the growth will overwrite
// (copied behind everything the growth writes, so memory stays constant).
// A failed routine therefore leaves the file byte for byte as it was.
#include <cstdint>
#include <string>

#include "WavFile.h"
#include "WavHead.h"
#include "WorkBuffers.h"

class InPlaceGrowth {
public:
    // file stands open for reading and writing; length is its length now;
    // the growth is written from `start` on, which lies within the data's
    // last frame or at its end (head.dataEnd()).
    InPlaceGrowth(WavFile& file, const std::string& path, const WavHead& head, int64_t length, int64_t start);
    InPlaceGrowth(const InPlaceGrowth&) = delete;
    InPlaceGrowth& operator=(const InPlaceGrowth&) = delete;
    // A growth left neither ended nor undone (an exception on the way) is undone.
    ~InPlaceGrowth();

    // Keeps what `growth` bytes written from the start will overwrite; the
    // file then stands at the start. False when they could not be kept
    // (end then puts the file back).
    bool begin(int64_t growth);

    // Ends a begun growth: a routine that succeeded drops the kept bytes; one
    // that failed (or whose kept bytes cannot be dropped) puts the file back.
    // When the file cannot be put back, that is added to err. True on success only.
    bool end(bool succeeded, const std::string& code, std::string& err);

private:
    bool moveBytes(int64_t from, int64_t to, int64_t n);
    bool undo();

    WavFile& file_;
    const std::string& path_;
    const WavHead& head_;
    int64_t length_;
    int64_t start_;
    uint32_t riffSize_;
    int64_t kept_ = 0;  // bytes of the file's old tail kept at keptAt_
    int64_t keptAt_ = 0;
    Buffer buffer_;     // moves the kept bytes; allocated before anything changes
    bool open_ = false; // begun and not yet ended
};

// True when the `fmt ` chunk stands before the data chunk. Behind the data it
// would be overwritten by the growth and the file would be no WAV file.
inline bool FmtBeforeData(const WavHead& head) { return head.fmtBody < head.dataHeader; }
