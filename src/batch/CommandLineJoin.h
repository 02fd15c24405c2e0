#pragma once
// The join asked for on the command line: WAV paths followed by a parameter
// beginning with ">" that names the output ("vantro /m/a.wav /m/b.wav
// '>/m/c.wav'"). Only absolute paths count; any other parameter is ignored.
#include <optional>
#include <string>
#include <vector>

struct CommandLineJoin {
    std::vector<std::string> group;     // the sources, in order
    std::optional<std::string> output;  // none: no join is asked for
};

// Walks the parameters: the first character ">" is dropped and switches to
// the output for that parameter and every later one; an absolute path is a
// source before the switch, and the first one after it is the output.
CommandLineJoin ReadCommandLineJoin(const std::vector<std::string>& parameters);
