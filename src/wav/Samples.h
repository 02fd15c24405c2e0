#pragma once
// PCM samples as numbers: an unsigned 8-bit sample as its distance from the
// midpoint 128, a wider one (2 to 4 bytes) as a signed little-endian integer.
#include <cstdint>

#include "Bytes.h"

inline int64_t ReadSample(const uint8_t* p, int width)
{
    switch (width) {
    case 1:
        return static_cast<int64_t>(p[0]) - 128;
    case 2:
        return static_cast<int16_t>(GetU16(p));
    case 3: {
        const int64_t u = p[0] | (p[1] << 8) | (p[2] << 16);
        return u >= 0x800000 ? u - 0x1000000 : u;
    }
    default:
        return static_cast<int32_t>(GetU32(p));
    }
}
