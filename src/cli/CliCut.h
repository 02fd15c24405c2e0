#pragma once
// The cut on the command line: vantro-wav cut [--short-names] [--minutes]
// [--category NAME] SOURCE OUTDIR TIME... writes the parts that "ALL カット"
// of the registered times would write: [t1, t2), ..., [tn, end of SOURCE),
// named as the cut face names them, each appearing whole or not at all.
#include <cstdio>
#include <string>

#include "CliArgs.h"

// Reads the options, SOURCE, OUTDIR and at least one TIME (entry texts, in
// any order; throws UsageError) and cuts. The standard output gets the cut
// log line of each part; ErrorText the last message when a part was not written.
void RunCut(CommandArgs& args, std::string& ErrorText, std::FILE* out);
