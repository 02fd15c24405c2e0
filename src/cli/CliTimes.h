#pragma once
// The silence and fade options of the batch commands:
// [--head SECONDS TENTHS] [--tail SECONDS TENTHS] [--fade-in S] [--fade-out S],
// each 0 when absent, then the command's own arguments.
#include <cstddef>
#include <string>

#include "CliArgs.h"

struct BatchTimes {
    int headSeconds = 0;
    int headTenths = 0;
    int tailSeconds = 0;
    int tailTenths = 0;
    int fadeInSeconds = 0;
    int fadeOutSeconds = 0;
};

// Reads the options at the front of args into `times`; returns the position
// of the first argument that is not one. Throws UsageError naming `command`.
size_t ReadBatchTimes(const CommandArgs& args, const std::string& command, BatchTimes& times);
