#pragma once
// The join batch: the sources, in the order given, become one new WAV file in
// the output folder, with head silence, fade-in, fade-out and tail silence,
// each optional. A size pass estimates and checks the output before anything
// is written.
#include <cstdint>
#include <string>
#include <vector>

#include "ConvertDriver.h"
#include "BatchTimes.h"
#include "RunHooks.h"

struct JoinSettings : BatchTimes {
    bool ownNames = false;  // ask for the output's name through AskSaveName
    BatchTimesSource readTimes;  // when set, replaces the lengths above as each step reads them
    bool listSources = true;  // the result lists each source's log line (the window shows them)
};

struct JoinResult {
    bool started = false;  // false when the work buffer could not be had
    int joined = 0;        // sources joined into the output
    int failed = 0;        // sources left out, and a finish or a re-read that failed
    bool stopped = false;  // the stop button or an Abort answer ended the run
    std::string output;    // the joined file; empty when none was written
    std::vector<std::string> usedLines;  // the log line of each source joined
    bool listsSources = true;  // the caller's: false leaves usedLines empty (nothing shows them)
    std::string lastFolder;  // folder of the output, without trailing separator
};

// The size check of a join's estimated total: empty when it may be written;
// asks before passing 2 GiB.
std::string CheckJoinSize(int64_t total, Prompt& prompt);

// Joins the sources into one output, then shows the summary. The output's
// log line goes to hooks.log; the sources' lines are in the result. The join
// takes its name only when finished; a chosen name that already exists is
// replaced only by the finished join.
JoinResult JoinBatch(const std::vector<std::string>& sources, const std::string& outputFolder,
                     const JoinSettings& settings, const RunHooks& hooks, const AskSaveName& askSaveName = {});
