#pragma once
// Playback through the default audio output: a QAudioSink pulls 16-bit
// frames converted block by block from the file.
#include <QAudioDevice>
#include <QAudioSink>

#include <memory>
#include <optional>

#include "FrameSource.h"
#include "SoundOutput.h"

class SinkOutput : public SoundOutput {
public:
    SinkOutput(QAudioDevice device, ChannelRouting routing) : device_(std::move(device)), routing_(routing) {}

    bool start(const std::string& path, const WaveLayout& layout, uint64_t first, uint64_t end,
               Finished finished) override;
    void stop() override;
    uint64_t position() const override;
    Silence silence() const override { return silence_; }

    // How the device takes the layout: every channel when it accepts the
    // count, else a stereo mix of a wider file; nothing when it takes neither.
    static std::optional<ChannelRouting> RoutingFor(const QAudioDevice& device, const WaveLayout& layout);

private:
    void stateChanged(QAudio::State state, const Finished& finished);

    QAudioDevice device_;
    ChannelRouting routing_;
    Silence silence_ = Silence::None;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<FrameSource> source_;
    uint64_t first_ = 0, end_ = 0, stoppedAt_ = 0;
    uint32_t rate_ = 1;
};
