#include "ColourCodes.h"

std::optional<int> CodeOf(const std::string& entry)
{
    if (entry.empty() || entry[0] < '1' || entry[0] > '6') return std::nullopt;
    return entry[0] - '0';
}
