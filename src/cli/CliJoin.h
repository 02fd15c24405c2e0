#pragma once
// vantro-wav join: the join batch over the sources given, in that order.
#include <cstdio>
#include <string>

#include "CliArgs.h"

// Reads [--head S T] [--tail S T] [--fade-in S] [--fade-out S] OUTDIR
// SOURCE...; throws UsageError. Prints the output's log line on `out`;
// ErrorText is non-empty unless every source was joined into the output.
void RunJoin(CommandArgs& args, std::string& ErrorText, std::FILE* out);
