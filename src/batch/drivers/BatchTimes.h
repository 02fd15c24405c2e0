#pragma once
// The silence and fade lengths a batch gives each output: head and tail
// silence as whole seconds and tenths, fades in whole seconds; 0 means none.
#include <functional>

struct BatchTimes {
    int headSeconds = 0;
    int headTenths = 0;
    int tailSeconds = 0;
    int tailTenths = 0;
    int fadeInSeconds = 0;
    int fadeOutSeconds = 0;
};

// Reads the lengths at the moment a run needs them, so that a change made
// during a run applies from its next file or step.
using BatchTimesSource = std::function<BatchTimes()>;
