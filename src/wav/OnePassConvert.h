#pragma once
// The conversion of one file in one pass over its bytes: the source's head,
// the head silence, the kept samples with their fades applied on the way,
// then the tail silence. The file holds exactly the bytes that the steps
// AddHeadSilence, WavAppendRange, FadeInOut and AddTailSilence leave in it
// one after the other. It takes only sources that every one of those steps
// would take without a word; for any other source, and on any failure of the
// system, it leaves nothing written, and the steps do the work and give each
// failure its own text.
#include <cstdint>
#include <string>

#include "DataRange.h"

struct ConvertShape {
    int32_t headSeconds = 0;
    int32_t headTenths = 0;
    DataRange kept;  // the samples kept (all of them by default)
    int64_t fadeInSeconds = 0;
    int64_t fadeOutSeconds = 0;
    int32_t tailSeconds = 0;
    int32_t tailTenths = 0;
};

// True when `target` (a new file, or an output draft written in place) was
// written whole; false when nothing was written. Head silence is part of
// every conversion it takes.
bool ConvertInOnePass(const std::string& source, const std::string& target, const ConvertShape& shape);

// The same conversion step by step, each step working on the target: head
// silence and the kept samples appended (a copy of them when no head silence
// is asked for), the fades when one is asked for, the tail silence when it
// is. ErrorText is empty when every step succeeded, else the first failing
// step's text.
void ConvertStepByStep(const std::string& source, const std::string& target, const ConvertShape& shape,
                       std::string& ErrorText);
