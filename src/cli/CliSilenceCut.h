#pragma once
// The silence cut on the command line: vantro-wav trim-silence, and the
// options --silence-cut both|head|tail, --level8 N and --level16 N of convert.
#include <cstdio>
#include <string>

#include "CliArgs.h"
#include "SilenceTrim.h"

// Reads one of the silence-cut options (its value at `at`, moving `at` past
// it) into `cut` and `levels`; false when `option` is none of them. Throws
// UsageError for a missing or wrong value.
bool ReadSilenceCutOption(const CommandArgs& args, const std::string& option, size_t& at, SilenceCut& cut,
                          SilenceLevels& levels);

// Reads SOURCE TARGET both|head|tail LEVEL8 LEVEL16 (throws UsageError) and
// writes TARGET: SOURCE without its silent ends.
void RunTrimSilence(CommandArgs& args, std::string& ErrorText, std::FILE* out);
