#pragma once
// vantro-wav separate, reverse and fmt: the channel batches over the sources given.
#include <cstdio>
#include <string>

#include "CliArgs.h"

// Each reads OUTDIR SOURCE...; throws UsageError. Prints each output's log
// line on `out`; ErrorText is non-empty when any output failed or was
// skipped or the run stopped.
void RunSeparate(CommandArgs& args, std::string& ErrorText, std::FILE* out);
void RunReverse(CommandArgs& args, std::string& ErrorText, std::FILE* out);
void RunFmt(CommandArgs& args, std::string& ErrorText, std::FILE* out);
