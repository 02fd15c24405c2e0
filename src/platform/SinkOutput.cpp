#include "SinkOutput.h"

#include <algorithm>

namespace {

QAudioFormat Int16Format(const WaveLayout& layout, ChannelRouting routing)
{
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(layout.sampleRate));
    format.setChannelCount(OutputChannels(layout, routing));
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

}  // namespace

std::optional<ChannelRouting> SinkOutput::RoutingFor(const QAudioDevice& device, const WaveLayout& layout)
{
    for (const ChannelRouting routing : {ChannelRouting::AllChannels, ChannelRouting::StereoMix})
        if (device.isFormatSupported(Int16Format(layout, routing))) return routing;
    return std::nullopt;
}

bool SinkOutput::start(const std::string& path, const WaveLayout& layout, uint64_t first, uint64_t end,
                       Finished finished)
{
    stop();
    first_ = stoppedAt_ = first;
    end_ = end;
    rate_ = layout.sampleRate;
    source_ = std::make_unique<FrameSource>(path, layout, routing_, first, end);
    if (!source_->ready()) return false;
    sink_ = std::make_unique<QAudioSink>(device_, Int16Format(layout, routing_));
    // Connected only once the sink runs: a sink that fails to start reports
    // it from inside start(), and that failure is answered here.
    sink_->start(source_.get());
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        silence_ = Silence::ServerLost;
        stop();
        return false;
    }
    QObject::connect(sink_.get(), &QAudioSink::stateChanged,
                     [this, finished](QAudio::State state) { stateChanged(state, finished); });
    return true;
}

void SinkOutput::stateChanged(QAudio::State state, const Finished& finished)
{
    const bool drained = state == QAudio::IdleState && source_->atEnd();
    const bool failed = state == QAudio::StoppedState && sink_->error() != QAudio::NoError;
    if (!drained && !failed) return;  // an underrun waits for more data
    if (failed) silence_ = Silence::ServerLost;
    stop();
    if (drained) stoppedAt_ = end_;
    if (finished) finished(drained);  // the last thing done: it may end this output
}

void SinkOutput::stop()
{
    if (!sink_) return;
    stoppedAt_ = position();
    QAudioSink* sink = sink_.release();  // may be emitting the signal that got us here
    sink->disconnect();
    sink->stop();
    sink->deleteLater();
    source_.release()->deleteLater();  // deleted after the sink that reads it
}

uint64_t SinkOutput::position() const
{
    if (!sink_) return stoppedAt_;
    const uint64_t heard = static_cast<uint64_t>(sink_->processedUSecs()) * rate_ / 1000000;
    return std::min(end_, first_ + heard);
}
