#pragma once
// The end of a batch run as the user sees it: the stop notice when the run
// was stopped, the status text of the end, and the summary of what was done.
#include <string>

#include "RunHooks.h"

struct RunEndTexts {
    std::string finished;     // the status text at the end
    std::string summaryHead;  // the summary's first line, with its line break
    std::string countText;    // follows the count when something was done
};

void ShowRunEnd(const RunHooks& hooks, bool stopped, int count, const RunEndTexts& texts);
