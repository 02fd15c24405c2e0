#pragma once
// One join into one output, shared by the join batch and the list join: a
// size pass that estimates and checks the output, a join pass that writes the
// first file (head silence and the file, or a plain copy) and appends every
// later one, and the finish (fades, tail silence, time stamp, the output's log
// line).
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "BatchTimes.h"
#include "JoinDriver.h"
#include "OutputPublish.h"
#include "RunHooks.h"

// What one kind of join shows: its status texts, the head of its error boxes,
// its failure text and the size label of its free-space text; and the
// question asked when the output's own name is found taken as the finished
// join is about to take it (empty for joins whose names are numbered).
struct JoinWording {
    std::string sizeChecking;
    std::string joining;
    std::string joinError;
    std::string failed;
    std::string sizeLabel;
    std::string askReplace = "";
};

// Names the output when a file is about to become the first one joined: the
// names it may take, or none to leave that file out (the next one is then
// tried as the first) after counting it or setting `stopped` in `result`.
using NameJoinOutput =
    std::function<std::optional<OutputNaming>(const std::string& source, JoinResult& result)>;

// Leaves a file out: counts it and shows the text in an error box whose
// default answer is Abort; that answer stops the run.
void LeaveOut(const std::string& text, Prompt& prompt, JoinResult& result);

// True when `path` names one of the sources (also through another name of
// the same file).
bool IsSource(const std::string& path, const std::vector<std::string>& sources);

// Joins the sources, in order, into one output, adding to `result` (whose
// `started` is the caller's). The join is built under a temporary name in the
// output's folder and takes its name only when every step has succeeded: a
// join given up on a failure (the Abort answer), whose fades or tail fail, or
// that is interrupted leaves no output, and a file under the output's name is
// replaced only when the user agreed. The stop button ends the join pass and
// the join is finished with the files joined so far. The lengths
// are read as each step needs them (the estimate, the head silence, the
// fades and the tail silence).
void JoinFiles(const std::vector<std::string>& sources, const BatchTimesSource& times, const JoinWording& wording,
               const RunHooks& hooks, const NameJoinOutput& name, JoinResult& result);
