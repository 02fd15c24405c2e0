#pragma once
// The frame every batch run shares: its steps one after the other with the
// progress and the stop button between them, and its end as the user sees
// it (the stop notice when the run was stopped, the screen put back with the
// folder last written to, the status text of the end, and the summary of
// what was done).
#include <cstddef>
#include <functional>
#include <string>

#include "RunHooks.h"

// Runs step(0) ... step(count - 1) in order; after each step reports the
// progress and lets pending messages run, and a press of the stop button sets
// `stopped`. A step may set `stopped` itself (an Abort answer); no later step
// runs then.
void RunSteps(size_t count, const RunHooks& hooks, bool& stopped, const std::function<void(size_t)>& step);

// An error box; an Abort answer sets `stopped`.
void ShowError(Prompt& prompt, const std::string& text, bool& stopped, int defaultAnswer = PromptAnswer::OK);
// A file left out of the run: counted in `failed`, and the reason shown as
// an error box whose Abort answer sets `stopped`.
void LeaveFileOut(Prompt& prompt, const std::string& text, int& failed, bool& stopped,
                  int defaultAnswer = PromptAnswer::OK);

struct RunEndTexts {
    std::string finished;     // the status text at the end
    std::string summaryHead;  // the summary's first line, with its line break
    std::string countText;    // follows the count when something was done
    std::string countLead = "";  // stands before the count
};

// The end of a run, in the order the user sees it. `lastFolder` is the folder
// of the last output written (without trailing separator, empty when none).
void ShowRunEnd(const RunHooks& hooks, bool stopped, int count, const RunEndTexts& texts,
                const std::string& lastFolder = std::string());
