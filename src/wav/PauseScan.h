#pragma once
// Pauses: the stretches of silence between sounds, found in one pass over a
// PCM WAV file, and the cut times they propose.
//
// A frame is quiet when every sample it holds lies within the silence level
// (see QuietFrames.h); any other frame is sound. Sound is what lies between
// gaps, a gap being a run of quiet frames at least as long as clickMs (or as
// minPauseMs where that is shorter): the quiet frames of a zero crossing
// inside a tone or a voice do not break its sound. A pause is a stretch of at
// least minPauseMs that begins with the first quiet frame of a gap and ends
// at the first frame of a sound of clickMs or longer (or at the end of the
// data). A sound shorter than clickMs between two gaps is a click: it does
// not end the pause and its frames count into the pause's length. A sound
// that reaches the end of the data ends the pause, however short it is.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "SilenceTrim.h"  // SilenceLevels {int level8 = 1; int level16 = 1;}

struct PauseOptions {
    int64_t minPauseMs = 1000;     // shortest pause reported
    SilenceLevels levels{1, 100};  // 8-bit level 1, 16-bit level 100 (24/32-bit: the 16-bit level scaled)
    int64_t clickMs = 20;          // a sound shorter than this inside a pause does not end it
};

// One pause in frames: [start, end). start is the first quiet frame, end the
// first frame of the sound that ends it (== the file's frame count when the
// pause runs to the end of the data).
struct Pause {
    int64_t start = 0;
    int64_t end = 0;
};

struct PauseScanResult {
    std::vector<Pause> pauses;  // in file order
    uint32_t sampleRate = 0;
    int64_t frames = 0;         // whole frames of the data
    bool stopped = false;       // the progress callback asked to stop; pauses so far are kept
};

// Called now and then (about every 1-4 MB read) with the frames done and the
// total; returning false stops the scan.
using PauseProgress = std::function<bool(int64_t doneFrames, int64_t totalFrames)>;

// Finds the pauses of a PCM WAV file in one pass with constant memory (one
// work buffer). ErrorText follows the engine's rule: empty on success (a
// stopped scan included), else the text of the check that failed, worded as
// the silence cut words it (…・・・MC). A partial frame at the end of the data
// is ignored; data that reaches beyond the end of the file is refused before
// anything is read.
void FindPauses(const std::string& fileName, const PauseOptions& options, PauseScanResult& result,
                std::string& ErrorText, const PauseProgress& progress = {});

// Where in a pause a proposed cut time goes.
enum class PausePlace { Start, Middle, BeforeSound };

struct PausePlacement {
    PausePlace place = PausePlace::BeforeSound;
    int64_t beforeSoundMs = 200;  // for BeforeSound: this long before the sound resumes, never before the pause's start
};

// The cut times (ms, ascending, each once) of the pauses that lie between
// sounds: a pause that starts at frame 0 or reaches the end of the data
// proposes no time. ms = floor(frame * 1000 / sampleRate).
std::vector<int64_t> PauseTimes(const PauseScanResult& result, const PausePlacement& placement);
