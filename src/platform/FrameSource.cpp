#include "FrameSource.h"

#include <algorithm>

FrameSource::FrameSource(const std::string& path, const WaveLayout& layout, ChannelRouting routing, uint64_t first,
                         uint64_t end)
    : reader_(path, layout), layout_(layout), routing_(routing), next_(first), end_(end)
{
    ready_ = reader_.good() && reader_.seek(first) && open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 FrameSource::readData(char* data, qint64 maxSize)
{
    const uint64_t frames = std::min<uint64_t>(end_ - next_, static_cast<uint64_t>(maxSize) / frameBytes());
    if (frames == 0) return atEnd() ? -1 : 0;
    raw_.resize(frames * layout_.blockAlign);
    const uint64_t got = reader_.read(raw_.data(), frames);
    if (got == 0) {
        next_ = end_;  // a file cut short ends the play
        return -1;
    }
    ConvertToInt16(raw_.data(), got, layout_, routing_, reinterpret_cast<int16_t*>(data));
    next_ += got;
    return static_cast<qint64>(got * frameBytes());
}
