#pragma once
// The frames of a range of a file, converted to signed 16-bit output frames
// block by block as they are read. Unbuffered: each read takes whole frames
// straight from the file, so a reader sees the end exactly where it is.
#include <QIODevice>

#include <string>
#include <vector>

#include "PcmTo16.h"

class FrameSource : public QIODevice {
public:
    FrameSource(const std::string& path, const WaveLayout& layout, ChannelRouting routing, uint64_t first,
                uint64_t end);
    bool ready() const { return ready_; }
    bool atEnd() const override { return next_ >= end_; }
    bool isSequential() const override { return true; }
    // Bytes of one output frame.
    uint64_t frameBytes() const { return 2 * OutputChannels(layout_, routing_); }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    WaveFrameReader reader_;
    WaveLayout layout_;
    ChannelRouting routing_;
    uint64_t next_, end_;
    std::vector<char> raw_;
    bool ready_ = false;
};
