#include "QuietFrames.h"

#include <algorithm>
#include <type_traits>

#include "Samples.h"

namespace {

// Samples are judged in runs of this many without stopping, so that the
// compiler can test a run at once; only a run with sound is searched sample by sample.
constexpr int64_t Run = 64;

bool loud(int64_t value, uint64_t level)
{
    // |value| > level, in one unsigned comparison: value + level lies in
    // [0, 2 x level] exactly when value lies in [-level, level].
    return static_cast<uint64_t>(value) + level > 2 * level;
}

// The first of `count` samples `width` bytes apart that is loud; -1 when none.
template <class Width>
int64_t firstLoudSample(const uint8_t* p, int64_t count, uint64_t level, Width width)
{
    int64_t i = 0;
    for (; i + Run <= count; i += Run) {
        bool any = false;
        for (int64_t j = i; j < i + Run; ++j) any |= loud(ReadSample(p + j * width, width), level);
        if (any) break;
    }
    for (; i < count; ++i)
        if (loud(ReadSample(p + i * width, width), level)) return i;
    return -1;
}

// The last of `count` samples `width` bytes apart that is loud; -1 when none.
template <class Width>
int64_t lastLoudSample(const uint8_t* p, int64_t count, uint64_t level, Width width)
{
    int64_t end = count;
    for (; end >= Run; end -= Run) {
        bool any = false;
        for (int64_t j = end - Run; j < end; ++j) any |= loud(ReadSample(p + j * width, width), level);
        if (any) break;
    }
    for (; end > 0; --end)
        if (loud(ReadSample(p + (end - 1) * width, width), level)) return end - 1;
    return -1;
}

template <class Width>
bool loudFrame(const uint8_t* frame, const QuietRule& rule, Width width)
{
    for (int64_t s = 0; s < rule.samples; ++s)
        if (loud(ReadSample(frame + s * width, width), rule.level)) return true;
    return false;
}

// Frames whose bytes are all judged samples: the frames' samples can then be
// searched as one run of samples.
bool packed(const QuietRule& rule) { return rule.align == rule.samples * rule.width; }

// Runs a search with the sample width as a compile-time constant.
template <class Search>
int64_t withWidth(int width, Search&& search)
{
    switch (width) {
    case 1: return search(std::integral_constant<int, 1>{});
    case 2: return search(std::integral_constant<int, 2>{});
    case 3: return search(std::integral_constant<int, 3>{});
    default: return search(std::integral_constant<int, 4>{});
    }
}

}  // namespace

SilenceLevels ClampedLevels(const SilenceLevels& levels)
{
    return {std::clamp(levels.level8, 1, 127), std::clamp(levels.level16, 1, 32767)};
}

bool QuietRuleFor(const WavHead& head, const SilenceLevels& levels, QuietRule& rule)
{
    const int width = head.bytesPerSample();
    if (width < 1 || width > 4) return false;
    const int64_t samples = std::min<int64_t>(head.channels, head.blockAlign / width);
    if (samples < 1) return false;
    const SilenceLevels clamped = ClampedLevels(levels);
    const uint64_t level = width == 1 ? static_cast<uint64_t>(clamped.level8)
                                      : static_cast<uint64_t>(clamped.level16) << (8 * (width - 2));
    rule = {width, head.blockAlign, samples, level};
    return true;
}

int64_t FirstSoundFrame(const uint8_t* bytes, int64_t frames, const QuietRule& rule)
{
    return withWidth(rule.width, [&](auto width) -> int64_t {
        if (packed(rule)) {
            const int64_t i = firstLoudSample(bytes, frames * rule.samples, rule.level, width);
            return i < 0 ? -1 : i / rule.samples;
        }
        for (int64_t f = 0; f < frames; ++f)
            if (loudFrame(bytes + f * rule.align, rule, width)) return f;
        return -1;
    });
}

int64_t LastSoundFrame(const uint8_t* bytes, int64_t frames, const QuietRule& rule)
{
    return withWidth(rule.width, [&](auto width) -> int64_t {
        if (packed(rule)) {
            const int64_t i = lastLoudSample(bytes, frames * rule.samples, rule.level, width);
            return i < 0 ? -1 : i / rule.samples;
        }
        for (int64_t f = frames - 1; f >= 0; --f)
            if (loudFrame(bytes + f * rule.align, rule, width)) return f;
        return -1;
    });
}
