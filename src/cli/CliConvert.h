#pragma once
// vantro-wav convert: the conversion batch over the sources given.
#include <cstdio>
#include <string>

#include "CliArgs.h"

// Reads [--head S T] [--tail S T] [--fade-in S] [--fade-out S]
// [--silence-cut both|head|tail] [--level8 N] [--level16 N] OUTDIR SOURCE...;
// throws UsageError. Prints each output's log line on `out`;
// ErrorText is non-empty when any source failed or was skipped or the run
// stopped.
void RunConvert(CommandArgs& args, std::string& ErrorText, std::FILE* out);
