#pragma once
// The commands of vantro-wav: each runs exactly one engine routine with the
// arguments given.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "CliArgs.h"

struct CliCommand {
    std::string_view name;
    std::string_view params;  // the argument names, blank-separated, as the usage shows them
    std::string_view summary;  // what the command does, for the usage text
    // Runs the routine; ErrorText as the routine leaves it. May throw UsageError
    // for a malformed argument, always before the routine starts.
    void (*run)(CommandArgs& args, std::string& ErrorText, std::FILE* out);

    size_t paramCount() const;
    // True when the command reads a varying number of arguments itself
    // (its parameters end in "..." or begin with an option in brackets).
    bool takesMany() const;
};

const std::vector<CliCommand>& CliCommands();

// Checks the command word and the number of arguments, then runs the command.
// Throws UsageError when either is wrong. The arguments are taken, not
// copied: a batch of 10,000 files holds its list once.
void RunCommand(const std::string& name, std::vector<std::string> args,
                std::string& ErrorText, std::FILE* out);

// The usage text, shown by --help and after wrong usage: the synopsis, each
// command with what it does, what the arguments mean, how outputs appear and
// what the exit status and messages are.
std::string UsageText();
