#pragma once
// The head of a WAV file as every engine routine reads it: one read of up to
// 4096 bytes, "RIFF" and "WAVE", the `fmt ` chunk found inside those bytes,
// and the `data` chunk found by walking the file chunk by chunk from offset 12.
#include <array>
#include <cstdint>
#include <string>

#include "HeadTexts.h"
#include "SafeCount.h"
#include "WavFile.h"
#include "WorkBuffers.h"

inline constexpr int64_t MinHeadBytes = 46;  // a file shorter than this is refused

struct WavHead {
    std::array<uint8_t, HeadBufSize> buf{};  // the file's first bytes
    int64_t bytesRead = 0;

    int64_t fmtBody = 0;    // offset of the `fmt ` body
    uint32_t fmtSize = 0;   // size field of the `fmt ` chunk
    int64_t dataHeader = 0; // offset of the `data` chunk header
    int64_t dataStart = 0;  // offset of the first sample byte
    uint32_t dataSize = 0;  // size field of the `data` chunk

    // Fields of the `fmt ` body.
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    // The chunk is extensible (tag 0xFFFE, at least 40 bytes, all of them read).
    bool extensible = false;
    // The samples are PCM: tag 1, or an extensible chunk whose sub-format is PCM.
    bool pcm = false;

    int64_t fmtEnd() const { return fmtBody + fmtSize; }
    int64_t dataEnd() const { return dataStart + dataSize; }
    // The data's bytes up to the end of its last whole frame: a partial frame
    // at the end holds no sample of every channel. All of the data when the
    // block align is 0 (such a format is refused by its bytes per second).
    int64_t wholeFrameBytes() const { return blockAlign > 0 ? dataSize - dataSize % blockAlign : dataSize; }
    // Samples per second x block align as a 32-bit signed product.
    int32_t bytesPerSec() const;
    // bits div 8, plus 1 when a remainder is left.
    int bytesPerSample() const { return bitsPerSample / 8 + (bitsPerSample % 8 != 0 ? 1 : 0); }
};

// Standard writers follow a chunk of odd size with a pad byte. One is taken to
// stand at `next` (where the following header would begin without it) when the
// four bytes there are no chunk id (printable ASCII) and the four bytes one
// further are, with a whole header behind the pad: `available` bytes lie at
// `next`. Every file that reads correctly without a pad reads the same.
bool PadByteAt(const uint8_t* next, int64_t available);

// Where the chunk after one of `size` bytes at `pos` begins in `length` bytes
// held from offset 0: pos + 8 + size, one further over a pad byte.
int64_t NextChunkIn(const uint8_t* bytes, int64_t length, int64_t pos, uint32_t size);

struct WalkOptions {
    // The routine copies the whole `fmt ` chunk into its output, so all of it
    // must lie within the bytes read.
    bool wholeFmt = false;
    // The data walk addresses the file with 32-bit positions (head silence).
    bool positions32 = false;
};

// Reads the head of a freshly opened file and walks to the `data` chunk: the short-file,
// RIFF, WAVE, fmt-found, fmt-size and data-walk checks, in that order. On
// success the file stands at the first sample byte. On failure `err` holds the
// first failed check's text.
bool ReadWavHead(WavFile& file, const std::string& path, const HeadTexts& texts, WavHead& head,
                 std::string& err, WalkOptions options = {});

// Makes the head's `fmt ` chunk a plain 16-byte PCM chunk (size 16, tag 1), in
// its bytes and its fields: its bytes up to fmtEnd() are then a plain PCM head.
void MakePlainPcmFmt(WavHead& head);

// True when the data holds at least one whole frame: less is no sound at all.
bool HasSound(const WavHead& head);

// The data-size and format-tag checks that follow the walk: data of less than
// one whole frame is refused as no data.
bool CheckDataAndFormat(const WavHead& head, const HeadTexts& texts, std::string& err);

// True when a new file of the head up to fmtEnd, a data header and dataBytes
// of samples keeps its RIFF size (fmtEnd + dataBytes) within its 32-bit field.
inline bool FitsSizeFields(int64_t fmtEnd, int64_t dataBytes) { return CountAdd(fmtEnd, dataBytes) <= MaxSizeField; }

// Bytes per 40 ms of a format: bytes per second div 25.
inline int64_t BytesPer40ms(int64_t bytesPerSec) { return bytesPerSec / 25; }

// The largest whole number of 40 ms blocks that fits a buffer of bufSize bytes.
inline int64_t LoadSize(int64_t bytesPer40ms, int64_t bufSize)
{
    return bytesPer40ms > 0 ? bytesPer40ms * (bufSize / bytesPer40ms) : 0;
}
