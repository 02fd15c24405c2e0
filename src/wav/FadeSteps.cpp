#include "FadeSteps.h"

#include <cmath>

#include "Samples.h"

namespace {

void WriteSample(uint8_t* p, int width, int64_t value)
{
    if (width == 1) {
        p[0] = static_cast<uint8_t>(value + 128);
        return;
    }
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < width; ++i) p[i] = static_cast<uint8_t>(bits >> (8 * i));
}

}  // namespace

int64_t ScaleSample(int64_t sample, int64_t k, int64_t n)
{
    if (sample == 0 || k == 0) return 0;
    // |sample| <= 2^31. For k < 2^21 the product lies below 2^52, where a
    // double quotient rounds as the exact one does: a tie is representable,
    // and any other quotient lies at least 1/(2n) from one, farther than the
    // division's error. Longer fades (of more than five hours) divide in long
    // double; the 64-bit product is exact for k < 2^32, beyond that (fades of
    // more than a year) it is formed in floating point too.
    if (k < (int64_t{1} << 21)) return static_cast<int64_t>(std::nearbyint(static_cast<double>(sample * k) / n));
    const long double product = k < (int64_t{1} << 32) ? static_cast<long double>(sample * k)
                                                        : static_cast<long double>(sample) * k;
    return static_cast<int64_t>(std::nearbyintl(product / n));
}

FadeCourse::FadeCourse(const FadeFormat& format, int64_t steps, bool rising)
    : format_(format), steps_(steps), k_(rising ? 0 : steps - 1), rising_(rising)
{
}

// 10 ms of 11,025 or 22,050 bytes per second are not whole bytes: one step in
// four of 110 bytes is 111 long, one in two of 220 is 221 long.
int64_t FadeCourse::stepLength() const
{
    if (format_.longStep == 221 && k_ % 2 == 1) return 221;
    if (format_.longStep == 111 && k_ % 4 == 1) return 111;
    return format_.stepBytes;
}

void FadeCourse::scaleFrame(uint8_t* frame, int64_t room) const
{
    const int width = format_.bytesPerSample;
    for (int64_t c = 0; c < format_.samplesPerFrame && (c + 1) * width <= room; ++c) {
        uint8_t* p = frame + c * width;
        WriteSample(p, width, ScaleSample(ReadSample(p, width), k_, steps_));
    }
}

void FadeCourse::scale(uint8_t* bytes, int64_t n)
{
    int64_t p = 0;
    while (p < n && !done()) {
        // A step ends when p reaches or passes its end; it holds one frame at least.
        const int64_t stepEnd = p + stepLength();
        do {
            scaleFrame(bytes + p, n - p);
            p += format_.blockAlign;
        } while (p < stepEnd && p < n);
        k_ += rising_ ? 1 : -1;
    }
}
