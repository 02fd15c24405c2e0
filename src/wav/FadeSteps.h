#pragma once
// The course of one linear fade over the samples it passes: in steps of
// 10 ms, every sample of a step scaled by the same gain k/N, k moving by one
// from step to step (up from 0 for a fade-in, down from N - 1 for a fade-out).
#include <cstdint>

#include "WavHead.h"

// What the steps need to know of a file's format.
struct FadeFormat {
    int64_t blockAlign = 1;     // bytes per sample frame, at least 1
    int bytesPerSample = 1;     // 1 (unsigned, offset 128), 2, 3 or 4 (signed)
    int64_t samplesPerFrame = 0;  // samples scaled in each frame
    int64_t stepBytes = 0;      // bytes per 10 ms
    int64_t longStep = 0;       // 111 or 221 where 10 ms is 110.25 or 220.5 bytes, else 0
};

class FadeCourse {
public:
    // A fade of `steps` steps (N), rising for a fade-in, falling for a fade-out.
    FadeCourse(const FadeFormat& format, int64_t steps, bool rising);

    // Scales the n bytes of a load, step after step from its start. A load
    // that ends inside a step ends that step; the next load begins a new one.
    void scale(uint8_t* bytes, int64_t n);
    bool done() const { return rising_ ? k_ >= steps_ : k_ < 0; }

private:
    int64_t stepLength() const;
    bool packed16() const;
    void scaleFrame(uint8_t* frame, int64_t room) const;

    FadeFormat format_;
    int64_t steps_;
    int64_t k_;
    bool rising_;
};

// sample x k / N, rounded to nearest with ties to even (0 <= k < N).
int64_t ScaleSample(int64_t sample, int64_t k, int64_t n);

// The whole seconds of each fade once both fit into the whole seconds of
// sound available, the fade-in first; negative lengths count as none.
struct FadeLengths {
    int64_t in = 0;
    int64_t out = 0;
};
FadeLengths ClipFades(int64_t in, int64_t out, int64_t available);

// The fade steps' view of a file's format.
FadeFormat FadeFormatOf(const WavHead& head, int64_t bytesPerSec);
