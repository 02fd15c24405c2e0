#include "BatchLogLine.h"

#include <cstdio>

#include "TextFormats.h"

std::string BatchLogLine(const WavInfoRecord& info, const std::string& path)
{
    const char* format = "%5d/%2d/%6s%9s";
    const int length = std::snprintf(nullptr, 0, format, info.SampleRate, info.BitsPerSample,
                                     info.ChannelText.c_str(), info.LengthText.c_str());
    std::string head(static_cast<size_t>(length > 0 ? length : 0), '\0');
    std::snprintf(head.data(), head.size() + 1, format, info.SampleRate, info.BitsPerSample,
                  info.ChannelText.c_str(), info.LengthText.c_str());
    return head + FormatN(info.DataEnd, 12) + " " + path;
}
