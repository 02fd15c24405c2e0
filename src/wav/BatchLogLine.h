#pragma once
// The log line of one written file: "%5d/%2d/%6s%9s%12.0n %s" over the
// sample rate, bits, channel text, playing time, size up to the end of the
// data (thousands grouped by commas) and the full path.
#include <string>

#include "WavInfo.h"

std::string BatchLogLine(const WavInfoRecord& info, const std::string& path);
