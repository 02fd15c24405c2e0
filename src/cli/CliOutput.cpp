#include "CliOutput.h"

#include <type_traits>

void PrintLine(std::FILE* out, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), out);
    std::fputc('\n', out);
}

namespace {

template <typename Value>
void printField(std::FILE* out, const char* name, const Value& value)
{
    if constexpr (std::is_same_v<Value, std::string>)
        PrintLine(out, std::string(name) + "=" + value);
    else
        PrintLine(out, std::string(name) + "=" + std::to_string(value));
}

}  // namespace

void PrintWavInfo(std::FILE* out, const WavInfoRecord& info)
{
    printField(out, "DataEnd", info.DataEnd);
    printField(out, "DataSize", info.DataSize);
    printField(out, "HalfDataEnd", info.HalfDataEnd);
    printField(out, "HalfDataSize", info.HalfDataSize);
    printField(out, "BytesPerSec", info.BytesPerSec);
    printField(out, "SampleRate", info.SampleRate);
    printField(out, "BitsPerSample", info.BitsPerSample);
    printField(out, "ChannelText", info.ChannelText);
    printField(out, "LengthText", info.LengthText);
    printField(out, "Channels", info.Channels);
    printField(out, "FrameRate", info.FrameRate);
    printField(out, "BlockAlign", info.BlockAlign);
}
