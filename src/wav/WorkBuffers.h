#pragma once
// The engine's I/O buffers: their program-wide sizes and their allocation.
#include <cstddef>
#include <cstdint>
#include <memory>

// Size of the large I/O buffer of the copying routines; lowered to
// SmallBufSize for the rest of the run when it cannot be had.
extern int64_t WorkBufSize;
// Size of the silence buffers and of the chunk-header buffer.
extern int64_t SmallBufSize;

inline constexpr int64_t DefaultWorkBufSize = 655360;  // 640 KiB
inline constexpr int64_t DefaultSmallBufSize = 32768;  // 32 KiB
inline constexpr int64_t HeadBufSize = 4096;          // bytes read from a file's head

using Buffer = std::unique_ptr<uint8_t[]>;

// Allocates a buffer of n bytes; throws std::bad_alloc when it cannot be had
// (or when the test seam below refuses it).
Buffer AllocBuffer(int64_t n);

// Test seam: allocations larger than this many bytes fail (negative: no limit).
struct BufferFaults {
    static inline int64_t failAbove = -1;
};
