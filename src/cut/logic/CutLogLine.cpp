#include "CutLogLine.h"

#include "TextFormats.h"
#include "TimeFormat.h"

std::string CutLengthText(int64_t lengthMs, bool minutes)
{
    if (lengthMs < 0) return "---s";
    if (minutes) return std::to_string(lengthMs / 60000) + "m" + ZeroPadded(lengthMs % 60000, 5);
    return std::to_string(lengthMs / 1000) + "s" + ZeroPadded(lengthMs % 1000, 3);
}

std::string CutLogLine(const std::string& path, const std::string& lengthText,
                       std::chrono::system_clock::time_point now)
{
    return path + "  " + lengthText + "  " + DateWeekTimeText(now) + " ";
}
