#pragma once
// The pauses of a file on the command line: vantro-wav pauses [--min-pause S]
// [--level16 LEVEL16] [--level8 LEVEL8] [--place start|middle|before-sound S]
// [--labels|--cue] [--output PATH] FILE prints the cut time that each pause
// between two sounds proposes, or writes the parts they cut as a label file
// or a cue sheet.
#include <cstddef>
#include <cstdio>
#include <string>

#include "CliArgs.h"
#include "PauseScan.h"

// Reads the pause options from `at` on, moving `at` past them, and stops at
// the first argument that is none of them (an unknown option included: the
// caller judges it). S is seconds with up to three decimals ("1", "1.0",
// "0.25"). Both the options and `placement` start from the defaults:
// --min-pause 1.0, --level16 100, --level8 1, --place before-sound 0.2.
// Throws UsageError for a missing or wrong value.
PauseOptions ReadPauseOptions(const CommandArgs& args, size_t& at, PausePlacement& placement);
// Reads one pause option at `at` into `options` or `placement`, moving `at`
// past it; false (and `at` unmoved) when the argument is none of them.
bool ReadPauseOption(const CommandArgs& args, size_t& at, PauseOptions& options, PausePlacement& placement);

// Reads the options and FILE (throws UsageError) and prints one line per
// proposed time: its milliseconds, a tab, and its entry text on the cut face
// for FILE's length. ErrorText as FindPauses leaves it.
void RunPauses(CommandArgs& args, std::string& ErrorText, std::FILE* out);
