// The header walk: GetWavInfo on any bytes.
#include "FuzzSupport.h"
#include "WavInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string file = WriteFuzzFile("info.wav", data, size);
    std::string err;
    GetWavInfo(file, err);
    if (err.empty()) {
        Require(WavInfo.DataSize > 0 && WavInfo.BytesPerSec > 0, "GetWavInfo passed an empty format");
        Require(WavInfo.HalfDataSize * 2 - WavInfo.DataSize <= 1, "half data size is not half");
        Require(WavInfo.ChannelText.size() == 6, "channel text is not six characters");
    }
    return 0;
}
