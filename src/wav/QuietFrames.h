#pragma once
// Telling silent frames from sound. A frame is silent when every sample it
// holds lies within the silence level: 8-bit samples within the 8-bit level
// of their midpoint 128, 16-bit samples within the 16-bit level of 0, and 24-
// and 32-bit samples within the 16-bit level scaled to their width.
#include <cstdint>

#include "SilenceTrim.h"
#include "WavHead.h"

struct QuietRule {
    int width = 0;       // bytes per sample, 1 to 4
    int64_t align = 0;   // bytes per frame
    int64_t samples = 0;  // samples judged in each frame, from its start
    uint64_t level = 0;  // the largest distance from silence that is still silence
};

// The levels brought into their ranges: 1-127 for 8-bit and 1-32767 for 16-bit samples.
SilenceLevels ClampedLevels(const SilenceLevels& levels);

// The rule for a file's frames: every channel that fits whole in a frame is
// judged (bytes behind them in a padded frame are not samples). False when a
// frame holds no whole sample or samples are wider than 32 bits.
bool QuietRuleFor(const WavHead& head, const SilenceLevels& levels, QuietRule& rule);

// The first and the last frame of `frames` whole frames that is not silent; -1 when all are.
int64_t FirstSoundFrame(const uint8_t* bytes, int64_t frames, const QuietRule& rule);
int64_t LastSoundFrame(const uint8_t* bytes, int64_t frames, const QuietRule& rule);
