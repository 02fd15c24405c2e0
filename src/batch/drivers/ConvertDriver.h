#pragma once
// The conversion batch: each source becomes a new WAV file in the output
// folder with its silent ends cut, head silence, fade-in, fade-out and tail
// silence, each optional.
#include <functional>
#include <string>
#include <vector>

#include "BatchTimes.h"
#include "RunHooks.h"
#include "SilenceTrim.h"

struct ConvertSettings : BatchTimes {
    bool ownNames = false;  // ask for each output's name through AskSaveName
    BatchTimesSource readTimes;  // when set, replaces the lengths above at each file
    // The silent ends left out of each source before its head silence, fades
    // and tail silence are applied (MCUTF_G), and the silence levels (ML8_G, ML16_G).
    SilenceCut silenceCut = SilenceCut::Off;
    SilenceLevels silenceLevels;
};

// What became of one source.
enum class ConvertOutcome {
    Written,     // the output was written whole
    Failed,      // ErrorText says why; nothing of the output is left
    SilentOnly,  // the silence cut found no sound: nothing was written (ErrorText says so)
};

// Lets the user choose the output's name: the chosen path, "" to skip this
// file, or "@" to stop the batch.
using AskSaveName = std::function<std::string(const std::string& source, const std::string& proposed,
                                              const std::string& title)>;

struct ConvertResult {
    bool started = false;  // false when the work buffer could not be had
    int converted = 0;     // outputs written
    int failed = 0;        // sources that failed or were skipped
    bool stopped = false;  // the stop button or an Abort answer ended the run
    std::string lastFolder;  // folder of the last output written, without trailing separator
};

// Converts each source in order, logging each output, then shows the summary.
// Each output is built under a temporary name in its folder and takes its
// name only when finished: a failure, a stop or a signal leaves nothing under
// an output's name, and no file is replaced that the user did not agree to.
ConvertResult ConvertBatch(const std::vector<std::string>& sources, const std::string& outputFolder,
                           const ConvertSettings& settings, const RunHooks& hooks,
                           const AskSaveName& askSaveName = {});
