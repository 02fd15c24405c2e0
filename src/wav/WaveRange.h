#pragma once
// The sound data of a PCM WAV file as a range of frames: a lenient RIFF walk
// that finds the format and the data, a block reader for playback, and the
// writer that saves a frame range as a new file in constant memory.
// Standard C++ only.
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

struct WaveLayout {
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t bitsPerSample = 0;
    uint16_t blockAlign = 0;     // bytes of one frame
    uint64_t dataOffset = 0;     // file offset of the first frame
    uint64_t frameCount = 0;     // whole frames present in the file
};

// The layout of a playable PCM file (1 to 8 channels of 8, 16, 24 or 32 bits),
// or nothing. Chunks are walked with their pad bytes; a data size beyond the
// end of the file is cut to what the file holds.
std::optional<WaveLayout> ReadWaveLayout(const std::string& path);

// Reads whole frames of an opened source from a given frame onwards.
class WaveFrameReader {
public:
    WaveFrameReader(const std::string& path, const WaveLayout& layout);
    bool good() const { return static_cast<bool>(in_); }
    // Positions the reader at a frame; false when the file cannot seek there.
    bool seek(uint64_t frame);
    // Reads up to `frames` frames into `out` (blockAlign bytes each); returns
    // the number of whole frames read.
    uint64_t read(char* out, uint64_t frames);

private:
    std::ifstream in_;
    WaveLayout layout_;
};

// Writes frames [first, end) of the source as a new PCM WAV file with one
// fmt chunk of 16 bytes and one data chunk. The destination is written in
// blocks under a temporary name and takes its name only when it is whole; it
// is never the source itself.
// Returns an empty text on success, else what failed.
std::string SaveWaveRange(const std::string& source, const WaveLayout& layout,
                          uint64_t first, uint64_t end, const std::string& destination);
