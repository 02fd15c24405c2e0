#include "ClockOutput.h"

#include <algorithm>

std::unique_ptr<SoundOutput> SilentOutput(const WaveLayout&) { return std::make_unique<ClockOutput>(); }

bool ClockOutput::start(const std::string&, const WaveLayout& layout, uint64_t first, uint64_t end,
                        Finished finished)
{
    stop();
    first_ = first;
    end_ = end;
    rate_ = layout.sampleRate;
    const uint64_t durationMs = (end - first) * 1000 / rate_;
    endTimer_.setSingleShot(true);
    endTimer_.disconnect();
    QObject::connect(&endTimer_, &QTimer::timeout, [this, finished] {
        running_ = false;
        stoppedAt_ = end_;
        if (finished) finished(true);
    });
    clock_.start();
    running_ = true;
    endTimer_.start(static_cast<int>(std::min<uint64_t>(durationMs, INT32_MAX)));
    return true;
}

void ClockOutput::stop()
{
    if (running_) stoppedAt_ = position();
    endTimer_.stop();
    running_ = false;
}

uint64_t ClockOutput::position() const
{
    if (!running_) return stoppedAt_;
    const uint64_t advanced = static_cast<uint64_t>(clock_.elapsed()) * rate_ / 1000;
    return std::min(end_, first_ + advanced);
}
