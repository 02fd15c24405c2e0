#pragma once
// Where the media device sends a play: the sound server through Qt
// Multimedia, or, with no usable audio output, a silent clock that advances
// the position in real time so a play still ends on time.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "WaveRange.h"

// Why a play is not heard.
enum class Silence {
    None,           // heard, or silent on purpose (tests, tools)
    NoServer,       // no sound server answers
    ServerLost,     // the server went away, or refused to open a stream
    FormatRefused,  // the output takes neither the file's channels nor a stereo mix
};

class SoundOutput {
public:
    // Called once from the event loop: true when the range was played to its
    // end, false when the output failed.
    using Finished = std::function<void(bool playedToEnd)>;

    virtual ~SoundOutput() = default;
    // Starts frames [first, end) of the source; false when it cannot start.
    virtual bool start(const std::string& path, const WaveLayout& layout, uint64_t first, uint64_t end,
                       Finished finished) = 0;
    // Ends the play without calling Finished.
    virtual void stop() = 0;
    // The frame being heard now.
    virtual uint64_t position() const = 0;
    // Why this output is not heard; None while it is (or was never meant to be).
    virtual Silence silence() const { return Silence::None; }
};

// How the media device gets an output for a play of a file of that layout.
using OutputFactory = std::unique_ptr<SoundOutput> (*)(const WaveLayout& layout);
// The default audio output when it takes the file's channels or a stereo
// mix of them, else the silent clock with the reason. Asked again at each
// play, so a server that starts later is used.
std::unique_ptr<SoundOutput> DefaultDeviceOutput(const WaveLayout& layout);
// Always the silent clock (tests, tools, headless use).
std::unique_ptr<SoundOutput> SilentOutput(const WaveLayout& layout);

// What the user is told, once, when plays are not heard.
std::string SilenceNotice(Silence reason);
