#pragma once
// Byte counts formed from header fields and user lengths, which can be absurd
// in a damaged file: additions and products of non-negative 64-bit counts that
// stop at the largest value instead of overflowing. A saturated count is far
// beyond every size limit, so it is refused rather than wrapped into a wrong one.
#include <cstdint>
#include <limits>

inline constexpr int64_t MaxCount = std::numeric_limits<int64_t>::max();

// a + b for a, b >= 0.
inline int64_t CountAdd(int64_t a, int64_t b) { return a > MaxCount - b ? MaxCount : a + b; }

// a x b for a, b >= 0.
inline int64_t CountMul(int64_t a, int64_t b)
{
    if (a == 0 || b == 0) return 0;
    return a > MaxCount / b ? MaxCount : a * b;
}

// The largest 32-bit size field (RIFF size, data size).
inline constexpr int64_t MaxSizeField = 0xFFFFFFFFLL;
