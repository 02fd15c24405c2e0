#include "PulseOutput.h"

#include <QCoreApplication>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>

#include <algorithm>

namespace {

// Frames the server holds ahead of what is heard: enough to ride out a
// busy moment of the event loop; a stop still ends the sound at once.
constexpr pa_usec_t AheadUs = 250000;

pa_sample_spec SpecFor(uint32_t rate, int channels)
{
    return {PA_SAMPLE_S16NE, rate, static_cast<uint8_t>(channels)};
}

}  // namespace

std::optional<ChannelRouting> PulseOutput::RoutingFor(const WaveLayout& layout)
{
    for (const ChannelRouting routing : {ChannelRouting::AllChannels, ChannelRouting::StereoMix}) {
        const int channels = OutputChannels(layout, routing);
        if (channels > static_cast<int>(PA_CHANNELS_MAX)) continue;
        const pa_sample_spec spec = SpecFor(layout.sampleRate, channels);
        if (pa_sample_spec_valid(&spec)) return routing;
    }
    return std::nullopt;
}

bool PulseOutput::start(const std::string& path, const WaveLayout& layout, uint64_t first, uint64_t end,
                        Finished finished)
{
    stop();
    first_ = heard_ = first;
    end_ = end;
    rate_ = layout.sampleRate;
    finished_ = std::move(finished);
    silence_ = Silence::None;
    draining_ = false;
    source_ = std::make_unique<FrameSource>(path, layout, routing_, first, end);
    if (!source_->ready()) {
        source_.reset();
        return false;
    }
    // A local server that is not there is known at once; one that does not
    // answer, or refuses the stream, ends the play from the event loop.
    context_ = pa_context_new(loop_.api(), QCoreApplication::applicationName().toUtf8().constData());
    if (!context_ || pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        silence_ = Silence::NoServer;
        release();
        return false;
    }
    pa_context_set_state_callback(context_, &ContextChanged, this);
    return true;
}

void PulseOutput::ContextChanged(pa_context* context, void* self)
{
    auto* output = static_cast<PulseOutput*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY: output->openStream(); break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED: output->fail(Silence::ServerLost); break;
    default: break;
    }
}

void PulseOutput::openStream()
{
    const int channels = static_cast<int>(source_->frameBytes() / 2);
    const pa_sample_spec spec = SpecFor(rate_, channels);
    pa_channel_map map;
    pa_channel_map_init_extend(&map, channels, PA_CHANNEL_MAP_WAVEEX);  // the order of a WAV file's channels
    stream_ = pa_stream_new(context_, "play", &spec, &map);
    if (!stream_) return fail(Silence::FormatRefused);
    pa_stream_set_state_callback(stream_, &StreamChanged, this);
    pa_stream_set_write_callback(stream_, &Writable, this);
    const auto none = static_cast<uint32_t>(-1);
    const pa_buffer_attr buffer{none, static_cast<uint32_t>(pa_usec_to_bytes(AheadUs, &spec)), none, none, none};
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE |
                                                      PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0)
        fail(Silence::ServerLost);
}

void PulseOutput::StreamChanged(pa_stream* stream, void* self)
{
    if (pa_stream_get_state(stream) != PA_STREAM_FAILED) return;
    auto* output = static_cast<PulseOutput*>(self);
    const int error = pa_context_errno(output->context_);
    output->fail(error == PA_ERR_NOTSUPPORTED || error == PA_ERR_INVALID ? Silence::FormatRefused
                                                                         : Silence::ServerLost);
}

void PulseOutput::Writable(pa_stream*, size_t bytes, void* self) { static_cast<PulseOutput*>(self)->fill(bytes); }

// Hands over up to `bytes` of whole frames; after the last one, waits for
// the server to have played them all.
void PulseOutput::fill(size_t bytes)
{
    if (draining_) return;
    const size_t frameBytes = source_->frameBytes();
    while (bytes >= frameBytes && !source_->atEnd()) {
        void* data = nullptr;
        size_t size = bytes;
        if (pa_stream_begin_write(stream_, &data, &size) < 0) return fail(Silence::ServerLost);
        const qint64 got = source_->read(static_cast<char*>(data), std::min(size, bytes) / frameBytes * frameBytes);
        if (got <= 0) {
            pa_stream_cancel_write(stream_);
            break;
        }
        if (pa_stream_write(stream_, data, static_cast<size_t>(got), nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return fail(Silence::ServerLost);
        bytes -= static_cast<size_t>(got);
    }
    if (!source_->atEnd()) return;
    draining_ = true;
    if (pa_operation* drain = pa_stream_drain(stream_, &Drained, this)) pa_operation_unref(drain);
    else fail(Silence::ServerLost);
}

void PulseOutput::Drained(pa_stream*, int success, void* self)
{
    auto* output = static_cast<PulseOutput*>(self);
    if (success) output->end(true);
    else output->fail(Silence::ServerLost);
}

void PulseOutput::fail(Silence reason)
{
    if (silence_ == Silence::None) silence_ = reason;
    end(false);
}

// Ends the play from the event loop, not from inside the library's call.
void PulseOutput::end(bool drained)
{
    QMetaObject::invokeMethod(
        &events_,
        [this, drained, play = play_] {
            if (play != play_) return;  // stopped, or started again, meanwhile
            stop();
            if (drained) heard_ = end_;
            const Finished finished = finished_;
            if (finished) finished(drained);  // the last thing done: it may end this output
        },
        Qt::QueuedConnection);
}

void PulseOutput::stop()
{
    if (!context_) return;
    position();  // the last frame heard stays the position
    ++play_;
    release();
}

// Closing the connection ends the stream on the server at once.
void PulseOutput::release()
{
    if (stream_) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    if (context_) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    source_.reset();
}

// The server's count of what has been heard, kept when the server goes
// away so that a silent clock can take over from there.
uint64_t PulseOutput::position() const
{
    pa_usec_t us = 0;
    if (stream_ && pa_stream_get_time(stream_, &us) >= 0) heard_ = std::min(end_, first_ + us * rate_ / 1000000);
    return heard_;
}
