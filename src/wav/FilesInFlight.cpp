#include "FilesInFlight.h"

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <cstring>

#if __has_include(<fcntl.h>) && __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#define VANTRO_FOLDER_HANDLES 1
#endif

namespace {

// A routine has one new file open at a time; the table leaves room for hosts
// that run a few at once.
constexpr int SlotCount = 16;

#ifdef VANTRO_FOLDER_HANDLES

constexpr std::size_t NameBytes = 256;  // a file name of up to 255 bytes

#ifdef O_PATH
constexpr int FolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

// Where a recorded file lies: its folder, held open, and its name in it.
struct Place {
    int folder = -1;
    char name[NameBytes] = {};
};

// Opens a folder. A path longer than the system takes in one call is opened
// a component at a time, each relative to the one before.
int openFolder(const std::string& folder)
{
    const int whole = ::open(folder.c_str(), FolderFlags);
    if (whole >= 0 || errno != ENAMETOOLONG) return whole;
    int at = ::open(folder[0] == '/' ? "/" : ".", FolderFlags);
    for (std::size_t pos = 0; at >= 0 && pos < folder.size();) {
        std::size_t end = folder.find('/', pos);
        if (end == std::string::npos) end = folder.size();
        const std::string part = folder.substr(pos, end - pos);
        pos = end + 1;
        if (part.empty()) continue;
        const int next = ::openat(at, part.c_str(), FolderFlags);
        ::close(at);
        at = next;
    }
    return at;
}

bool takePlace(const std::string& path, Place& place)
{
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (name.empty() || name.size() >= NameBytes) return false;
    place.folder = openFolder(folder);
    if (place.folder < 0) return false;
    std::memcpy(place.name, name.c_str(), name.size() + 1);
    return true;
}

void dropPlace(Place& place)
{
    if (place.folder >= 0) ::close(place.folder);
    place.folder = -1;
}

void removeAt(const Place& place) noexcept { ::unlinkat(place.folder, place.name, 0); }

#else

constexpr std::size_t PathBytes = 4096;

struct Place {
    char path[PathBytes] = {};
};

bool takePlace(const std::string& path, Place& place)
{
    if (path.empty() || path.size() >= PathBytes) return false;
    std::memcpy(place.path, path.c_str(), path.size() + 1);
    return true;
}

void dropPlace(Place&) {}

void removeAt(const Place& place) noexcept { std::remove(place.path); }

#endif

// Free: unused; Filling: being set up or taken down by one caller, passed
// over by everyone else; Ready: the handler may remove its file.
enum SlotState : int { Free, Filling, Ready };

struct Slot {
    std::atomic<int> state{Free};
    Place place;
};

static_assert(std::atomic<int>::is_always_lock_free, "signal handlers may only touch lock-free atomics");

Slot slots[SlotCount];

}  // namespace

int RegisterFileInFlight(const std::string& path)
{
    for (int i = 0; i < SlotCount; ++i) {
        int expected = Free;
        if (!slots[i].state.compare_exchange_strong(expected, Filling)) continue;
        if (!takePlace(path, slots[i].place)) {
            slots[i].state.store(Free, std::memory_order_release);
            return -1;
        }
        slots[i].state.store(Ready, std::memory_order_release);
        return i;
    }
    return -1;
}

void ForgetFileInFlight(int slot)
{
    if (slot < 0 || slot >= SlotCount) return;
    // Taken out of the handler's sight before its folder is let go.
    int expected = Ready;
    if (!slots[slot].state.compare_exchange_strong(expected, Filling)) return;
    dropPlace(slots[slot].place);
    slots[slot].state.store(Free, std::memory_order_release);
}

void RemoveFilesInFlight() noexcept
{
    for (Slot& slot : slots)
        if (slot.state.load(std::memory_order_acquire) == Ready) removeAt(slot.place);
}
