#pragma once
// The cut log's line of one saved part.
#include <chrono>
#include <cstdint>
#include <string>

// The length of a part: "60s000" (seconds "s" milliseconds), "1m00000" in
// minutes form (minutes "m" milliseconds within the minute), "---s" when the
// length could not be read (negative).
std::string CutLengthText(int64_t lengthMs, bool minutes);

// path + 2 blanks + length text + 2 blanks + "yy/mm/dd ddd hh:mm:ss " of `now`.
std::string CutLogLine(const std::string& path, const std::string& lengthText,
                       std::chrono::system_clock::time_point now);
