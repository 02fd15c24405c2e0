#pragma once
// vantro-wav rename: the batch rename over the lines of a list file.
#include <cstdio>
#include <string>

#include "CliArgs.h"

// Reads LISTFILE. Prints each new path on `out`; ErrorText is non-empty
// unless at least one rename was asked for and every one was done.
void RunRename(CommandArgs& args, std::string& ErrorText, std::FILE* out);
