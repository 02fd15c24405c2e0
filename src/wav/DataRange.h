#pragma once
// A part of a file's sample data, counted in bytes from its first sample byte.
#include <cstdint>

struct DataRange {
    int64_t offset = 0;  // bytes behind the first sample byte
    int64_t size = -1;   // bytes in the part; below 0: all of the data from offset on
};
