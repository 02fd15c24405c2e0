#include "SinkOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include <algorithm>

#include "PcmTo16.h"

namespace {

QAudioFormat Int16Format(const WaveLayout& layout)
{
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(layout.sampleRate));
    format.setChannelCount(OutputChannels(layout));
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

}  // namespace

FrameSource::FrameSource(const std::string& path, const WaveLayout& layout, uint64_t first, uint64_t end)
    : reader_(path, layout), layout_(layout), next_(first), end_(end)
{
    ready_ = reader_.good() && reader_.seek(first) && open(QIODevice::ReadOnly);
}

qint64 FrameSource::readData(char* data, qint64 maxSize)
{
    const uint64_t outFrameBytes = 2 * OutputChannels(layout_);
    const uint64_t frames = std::min<uint64_t>(end_ - next_, static_cast<uint64_t>(maxSize) / outFrameBytes);
    if (frames == 0) return atEnd() ? -1 : 0;
    raw_.resize(frames * layout_.blockAlign);
    const uint64_t got = reader_.read(raw_.data(), frames);
    if (got == 0) {
        next_ = end_;  // a file cut short ends the play
        return -1;
    }
    ConvertToInt16(raw_.data(), got, layout_, reinterpret_cast<int16_t*>(data));
    next_ += got;
    return static_cast<qint64>(got * outFrameBytes);
}

bool SinkOutput::CanPlay(const WaveLayout& layout)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    return !device.isNull() && device.isFormatSupported(Int16Format(layout));
}

bool SinkOutput::start(const std::string& path, const WaveLayout& layout, uint64_t first, uint64_t end,
                       Finished finished)
{
    stop();
    first_ = stoppedAt_ = first;
    end_ = end;
    rate_ = layout.sampleRate;
    source_ = std::make_unique<FrameSource>(path, layout, first, end);
    if (!source_->ready()) return false;
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), Int16Format(layout));
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, [this, finished](QAudio::State state) {
        const bool drained = state == QAudio::IdleState && source_->atEnd();
        const bool failed = state == QAudio::StoppedState && sink_->error() != QAudio::NoError;
        if (!drained && !failed) return;  // an underrun waits for more data
        stop();
        if (drained) stoppedAt_ = end_;
        if (finished) finished(drained);
    });
    sink_->start(source_.get());
    return sink_->error() == QAudio::NoError;
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
