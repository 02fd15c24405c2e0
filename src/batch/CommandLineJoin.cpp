#include "CommandLineJoin.h"

#include <filesystem>

CommandLineJoin ReadCommandLineJoin(const std::vector<std::string>& parameters)
{
    CommandLineJoin join;
    bool outputMode = false;
    for (std::string parameter : parameters) {
        if (parameter.starts_with('>')) {
            parameter.erase(0, 1);
            outputMode = true;
        }
        if (!std::filesystem::path(parameter).is_absolute()) continue;
        if (!outputMode) {
            join.group.push_back(parameter);
            continue;
        }
        join.output = parameter;
        break;
    }
    return join;
}
