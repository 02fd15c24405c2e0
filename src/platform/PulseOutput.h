#pragma once
// Playback straight through the sound server's client library (PulseAudio,
// or PipeWire through its PulseAudio interface). Each play makes its own
// connection, so a server that started, or came back, after the program
// did is found at the next play. The library runs on the Qt event loop:
// frames are converted and handed over as the server asks for them, and the
// position is the server's own count of what is being heard.
#include <QObject>

#include <memory>
#include <optional>

#include "FrameSource.h"
#include "PulseLoop.h"
#include "SoundOutput.h"

struct pa_context;
struct pa_stream;

class PulseOutput : public SoundOutput {
public:
    explicit PulseOutput(ChannelRouting routing) : routing_(routing) {}
    ~PulseOutput() override { stop(); }

    bool start(const std::string& path, const WaveLayout& layout, uint64_t first, uint64_t end,
               Finished finished) override;
    void stop() override;
    uint64_t position() const override;
    Silence silence() const override { return silence_; }

    // Every channel when the server takes the count, else a stereo mix;
    // nothing for a rate the server does not take.
    static std::optional<ChannelRouting> RoutingFor(const WaveLayout& layout);

private:
    static void ContextChanged(pa_context* context, void* self);
    static void StreamChanged(pa_stream* stream, void* self);
    static void Writable(pa_stream* stream, size_t bytes, void* self);
    static void Drained(pa_stream* stream, int success, void* self);

    void openStream();
    void fill(size_t bytes);
    void fail(Silence reason);
    void end(bool drained);
    void release();

    ChannelRouting routing_;
    PulseLoop loop_;      // outlives the connection made on it
    QObject events_;      // where the end of a play is posted; its deletion drops what is pending
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::unique_ptr<FrameSource> source_;
    Finished finished_;
    Silence silence_ = Silence::None;
    uint64_t first_ = 0, end_ = 0;
    mutable uint64_t heard_ = 0;  // the frame heard last
    uint32_t rate_ = 1;
    unsigned play_ = 0;   // tells a posted end from one of an earlier play
    bool draining_ = false;
};
