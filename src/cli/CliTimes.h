#pragma once
// The silence and fade options of the batch commands:
// [--head SECONDS TENTHS] [--tail SECONDS TENTHS] [--fade-in S] [--fade-out S],
// each 0 when absent, then the command's own arguments.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "BatchTimes.h"
#include "CliArgs.h"

// A command's own options besides these: reads the option's values from
// `at` on (moving `at` past them); false when it is no option of the command.
using MoreOptions = std::function<bool(const std::string& option, size_t& at)>;

// Reads the options at the front of args into `times` (and those `more`
// knows, in any order); returns the position of the first argument that is
// not one. Throws UsageError naming `command`.
size_t ReadBatchTimes(const CommandArgs& args, const std::string& command, BatchTimes& times,
                      const MoreOptions& more = {});

// What the batch commands take after their options: OUTDIR SOURCE...
struct BatchCall {
    std::string outputFolder;
    std::vector<std::string> sources;
};

// The output folder as given; wrong usage when it is empty.
std::string RequiredFolder(const std::string& folder, const std::string& command);

// Reads OUTDIR and at least one SOURCE from `at` on, taking the sources over
// from `args`. Throws UsageError naming `command`.
BatchCall ReadBatchCall(CommandArgs& args, size_t at, const std::string& command);
