#pragma once
// vantro-wav list-join: the list join over the lines of a list file.
#include <cstdio>
#include <string>

#include "CliArgs.h"

// Reads [--head S T] [--tail S T] [--fade-in S] [--fade-out S] LISTFILE;
// throws UsageError. Prints each output's log line on `out`; ErrorText is
// non-empty unless at least one output was asked for and every one was
// written.
void RunListJoin(CommandArgs& args, std::string& ErrorText, std::FILE* out);
