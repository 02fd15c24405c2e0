#include "FilesInFlight.h"

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <cstring>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define VANTRO_HAVE_UNLINK 1
#endif

namespace {

// A routine has one new file open at a time; the table leaves room for hosts
// that run a few at once.
constexpr int SlotCount = 16;
constexpr std::size_t PathBytes = 4096;

enum SlotState : int { Free, Filling, Ready };

struct Slot {
    std::atomic<int> state{Free};
    char path[PathBytes] = {};
};

static_assert(std::atomic<int>::is_always_lock_free, "signal handlers may only touch lock-free atomics");

Slot slots[SlotCount];

void removePath(const char* path) noexcept
{
#ifdef VANTRO_HAVE_UNLINK
    ::unlink(path);
#else
    std::remove(path);
#endif
}

}  // namespace

int RegisterFileInFlight(const std::string& path)
{
    if (path.empty() || path.size() >= PathBytes) return -1;
    for (int i = 0; i < SlotCount; ++i) {
        int expected = Free;
        if (!slots[i].state.compare_exchange_strong(expected, Filling)) continue;
        std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
        slots[i].state.store(Ready, std::memory_order_release);
        return i;
    }
    return -1;
}

void ForgetFileInFlight(int slot)
{
    if (slot >= 0 && slot < SlotCount) slots[slot].state.store(Free, std::memory_order_release);
}

void RemoveFilesInFlight() noexcept
{
    for (Slot& slot : slots)
        if (slot.state.load(std::memory_order_acquire) == Ready) removePath(slot.path);
}
