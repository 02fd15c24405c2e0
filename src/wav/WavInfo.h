#pragma once
// WavInfo: the program-wide record of the last WAV file read by GetWavInfo.
#include <cstdint>
#include <string>

struct WavInfoRecord {
    int64_t DataEnd = 0;       // data body offset + data size
    int64_t DataSize = 0;      // size field of the data chunk
    int64_t HalfDataEnd = 0;   // data body offset + HalfDataSize
    int64_t HalfDataSize = 0;  // half the data, rounded up
    int32_t BytesPerSec = 0;   // samples per second x block align
    int32_t SampleRate = 0;
    int32_t BitsPerSample = 0;
    std::string ChannelText;   // "  mono", "stereo" or "unknwn"
    std::string LengthText;    // minutes "." seconds-and-milliseconds, e.g. 2.05500
    int32_t Channels = 0;
    int32_t FrameRate = 0;     // samples per second again
    int32_t BlockAlign = 0;
};

// The one record; every successful GetWavInfo overwrites all of it, a failed
// call leaves it as it was.
extern WavInfoRecord WavInfo;

// Reads the head of a WAV file into WavInfo. ErrorText is empty on success,
// otherwise the first failed check's text.
void GetWavInfo(const std::string& fileName, std::string& ErrorText);

// The playing length text of a data size at a block align and sample rate.
std::string WavLengthText(int64_t dataSize, int32_t blockAlign, int32_t sampleRate);

// The six-character channel text of a channel count.
std::string WavChannelText(int32_t channels);
