#include "WorkBuffers.h"

#include <new>

int64_t WorkBufSize = DefaultWorkBufSize;
int64_t SmallBufSize = DefaultSmallBufSize;

Buffer AllocBuffer(int64_t n)
{
    if (n <= 0 || (BufferFaults::failAbove >= 0 && n > BufferFaults::failAbove))
        throw std::bad_alloc();
    return Buffer(new uint8_t[static_cast<size_t>(n)]);
}
