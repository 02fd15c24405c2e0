#include "TemporaryName.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>

namespace {

// The part of the name kept, so that the whole stays within 255 bytes.
constexpr std::size_t KeptNameBytes = 200;

uint64_t seed()
{
    uint64_t value = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
        std::random_device device;
        value ^= (static_cast<uint64_t>(device()) << 32) | device();
    } catch (...) {
        // The clock alone still varies; exclusive creation settles any clash.
    }
    return value;
}

uint64_t randomTag()
{
    thread_local std::mt19937_64 generator{seed()};
    return generator();
}

}  // namespace

std::string TemporaryName(const std::string& name)
{
    std::size_t keep = std::min(name.size(), KeptNameBytes);
    while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(randomTag()));
    std::string temporary = ".";
    temporary.append(name, 0, keep).append(".").append(hex).append(".tmp");
    return temporary;
}
