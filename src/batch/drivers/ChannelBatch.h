#pragma once
// The separation, reversal and fmt batches: one skeleton that writes one or
// two new WAV files per source into the output folder (left and right mono
// files, a channel-swapped copy, a copy with a 16-byte fmt chunk).
#include <string>
#include <vector>

#include "ConvertDriver.h"
#include "RunHooks.h"

enum class ChannelJob { Separate, Reverse, Fmt };

struct ChannelBatchSettings {
    bool ownNames = false;  // ask for each output's name through AskSaveName
};

struct ChannelBatchResult {
    bool started = false;  // false when the work buffer could not be had
    int written = 0;       // outputs written
    int failed = 0;        // outputs that failed or were skipped
    bool stopped = false;  // the stop button, an Abort answer or "@" ended the run
    std::string lastFolder;  // folder of the last output written, without trailing separator
};

// How many outputs the job writes per source.
int OutputsPerSource(ChannelJob job);

// Runs the job over each source in order, logging each output, then shows the summary.
ChannelBatchResult ChannelBatch(ChannelJob job, const std::vector<std::string>& sources,
                                const std::string& outputFolder, const ChannelBatchSettings& settings,
                                const RunHooks& hooks, const AskSaveName& askSaveName = {});
