#pragma once
// The list join: the lines of a join list (file lines, ">" output lines and
// combined lines "a.wav b.wav >c.wav") are walked in order; each output line
// joins the files gathered since the previous one into that output, with the
// head silence, fades and tail silence of the list join.
#include <string>
#include <vector>

#include "BatchTimes.h"
#include "RunHooks.h"

struct ListJoinResult {
    bool started = false;  // false when the work buffer could not be had
    int outputs = 0;       // outputs finished
    int failed = 0;        // files left out, outputs skipped or refused, finishes that failed
    bool stopped = false;  // the stop button or an Abort answer ended the run
    std::vector<std::string> usedLines;  // the log line (or bare path) of each file joined
    bool listsSources = true;  // usedLines is filled (the window shows it)
    std::string lastFolder;  // folder of the last output written, without trailing separator
};

// Joins `group` into `output` (its extension in lower case), adding to
// `result`. An output that is one of the group's files is refused; one that
// already exists is replaced only when the user says Yes to the question
// (default No), and only by the finished join. Output log lines go to
// hooks.log; an output not made counts as failed.
void JoinListGroup(const std::vector<std::string>& group, const std::string& output, const BatchTimes& times,
                   const RunHooks& hooks, ListJoinResult& result);

// The whole run over the list's lines (see ReadListJoinLine), with its start
// and end messages and summary. Lines that give neither files nor an output
// keep the group; files after the last output line are not joined. Without
// `listSources` the result's usedLines stay empty (a command line shows none).
ListJoinResult ListJoinBatch(const std::vector<std::string>& lines, const BatchTimes& times, const RunHooks& hooks,
                             bool listSources = true);
