#include "FadeSteps.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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

// x rounded to the nearest integer, ties to even, for |x| < 2^51: the sum
// lies where doubles are whole numbers and the default rounding mode rounds
// it as nearbyint rounds x (the added 1.5 x 2^52 is even). Unlike a call of
// nearbyint, the compiler can keep this in registers and vectorise it.
inline double RoundedToEven(double x)
{
    constexpr double Shift = 6755399441055744.0;  // 1.5 x 2^52
    return (x + Shift) - Shift;
}

// ScaleSample over `count` packed 16-bit samples with one gain k/n, k < 2^21:
// the product is exact in a double and the quotient rounds as ScaleSample's.
// Blocks of a fixed size let the compiler scale several samples at once.
void ScaleSamples16(uint8_t* p, int64_t count, int64_t k, int64_t n)
{
    const double gain = static_cast<double>(k);
    const double steps = static_cast<double>(n);
    auto scaled = [gain, steps](int16_t sample) {
        return static_cast<int16_t>(static_cast<int32_t>(RoundedToEven(static_cast<double>(sample) * gain / steps)));
    };
    constexpr int64_t Block = 8;
    int16_t samples[Block];
    for (int64_t done = 0; done < count; done += Block, p += 2 * Block) {
        const int64_t n16 = std::min(Block, count - done);
        std::memcpy(samples, p, static_cast<size_t>(n16) * 2);
        if (n16 == Block) {
            for (int64_t i = 0; i < Block; ++i) samples[i] = scaled(samples[i]);
        } else {
            for (int64_t i = 0; i < n16; ++i) samples[i] = scaled(samples[i]);
        }
        std::memcpy(p, samples, static_cast<size_t>(n16) * 2);
    }
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

// 16-bit samples filling their frames, of fades under five hours: the whole
// frames of a step are scaled as one run of samples.
bool FadeCourse::packed16() const
{
    return format_.bytesPerSample == 2 && format_.blockAlign == 2 * format_.samplesPerFrame &&
           steps_ < (int64_t{1} << 21);
}

void FadeCourse::scale(uint8_t* bytes, int64_t n)
{
    const bool packed = packed16();
    const int64_t align = format_.blockAlign;
    int64_t p = 0;
    while (p < n && !done()) {
        // A step ends when p reaches or passes its end; it holds one frame at least.
        const int64_t stepEnd = p + stepLength();
        if (packed) {
            // The frames that begin before the step's end and lie whole in the load.
            const int64_t frames = std::max<int64_t>(0, std::min((stepEnd - p + align - 1) / align, (n - p) / align));
            ScaleSamples16(bytes + p, frames * format_.samplesPerFrame, k_, steps_);
            p += frames * align;
        }
        while (p < stepEnd && p < n) {
            scaleFrame(bytes + p, n - p);
            p += align;
        }
        k_ += rising_ ? 1 : -1;
    }
}

FadeLengths ClipFades(int64_t in, int64_t out, int64_t available)
{
    FadeLengths f{std::max<int64_t>(in, 0), std::max<int64_t>(out, 0)};
    if (f.in > available) {
        f.in = available;
        f.out = 0;
    } else {
        f.out = std::min(f.out, available - f.in);
    }
    return f;
}

FadeFormat FadeFormatOf(const WavHead& head, int64_t bytesPerSec)
{
    FadeFormat f;
    f.blockAlign = head.blockAlign;
    f.bytesPerSample = head.bytesPerSample();
    // Every channel of a frame is faded, as far as the frame holds it; samples
    // wider than 32 bits are no PCM this routine knows and stay as they are.
    f.samplesPerFrame = f.bytesPerSample <= 4 ? std::min<int64_t>(head.channels, head.blockAlign / f.bytesPerSample) : 0;
    f.stepBytes = bytesPerSec / 100;
    f.longStep = f.stepBytes == 110 ? 111 : f.stepBytes == 220 ? 221 : 0;
    return f;
}
