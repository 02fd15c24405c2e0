#pragma once
// Where the media device sends a play: the sound card through Qt Multimedia,
// or, with no usable audio output, a silent clock that advances the position
// in real time so a play still ends on time.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "WaveRange.h"

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
};

// How the media device gets an output for a play of a file of that layout.
using OutputFactory = std::unique_ptr<SoundOutput> (*)(const WaveLayout& layout);
// The default audio output when it takes the layout's converted format, else
// the silent clock.
std::unique_ptr<SoundOutput> DefaultDeviceOutput(const WaveLayout& layout);
// Always the silent clock (tests, tools, headless use).
std::unique_ptr<SoundOutput> SilentOutput(const WaveLayout& layout);
