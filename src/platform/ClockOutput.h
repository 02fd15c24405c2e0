#pragma once
// The silent output: nothing is heard; the position follows the clock and
// the play finishes when the range's duration has passed.
#include <QElapsedTimer>
#include <QTimer>

#include "SoundOutput.h"

class ClockOutput : public SoundOutput {
public:
    // `reason`: why the play is silent (None when silence was asked for).
    explicit ClockOutput(Silence reason = Silence::None) : reason_(reason) {}

    bool start(const std::string& path, const WaveLayout& layout, uint64_t first, uint64_t end,
               Finished finished) override;
    void stop() override;
    uint64_t position() const override;
    Silence silence() const override { return reason_; }

private:
    Silence reason_;
    QElapsedTimer clock_;
    QTimer endTimer_;
    uint64_t first_ = 0, end_ = 0;
    uint32_t rate_ = 1;
    uint64_t stoppedAt_ = 0;
    bool running_ = false;
};
