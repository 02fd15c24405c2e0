// make-test-wav: writes a 44.1 kHz 16-bit stereo WAV file of pseudo-random
// noise, fast, for the benchmarks; with SILENCE, its first and last SILENCE
// seconds are digital silence (zero samples) instead.
//   make-test-wav FILE SECONDS [SEED [SILENCE]]
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr uint32_t SampleRate = 44100;
constexpr uint16_t Channels = 2;
constexpr uint16_t BlockAlign = 4;
constexpr uint16_t Bits = 16;

void put16(std::vector<uint8_t>& b, uint16_t v)
{
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void putId(std::vector<uint8_t>& b, const char* id) { b.insert(b.end(), id, id + 4); }

std::vector<uint8_t> header(uint32_t dataSize)
{
    std::vector<uint8_t> h;
    putId(h, "RIFF");
    put32(h, 36 + dataSize);
    putId(h, "WAVE");
    putId(h, "fmt ");
    put32(h, 16);
    put16(h, 1);
    put16(h, Channels);
    put32(h, SampleRate);
    put32(h, SampleRate * BlockAlign);
    put16(h, BlockAlign);
    put16(h, Bits);
    putId(h, "data");
    put32(h, dataSize);
    return h;
}

// xorshift64: plenty random for noise, and fast enough to be limited by the disk.
struct Noise {
    uint64_t state;
    uint64_t next()
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make-test-wav FILE SECONDS [SEED [SILENCE]]\n");
        return 2;
    }
    uint64_t seconds = std::strtoull(argv[2], nullptr, 10);
    uint64_t dataSize = seconds * SampleRate * BlockAlign;
    if (seconds == 0 || dataSize > 0xFFFFFFFFULL - 36) {
        std::fprintf(stderr, "make-test-wav: SECONDS must give 1 to 4 GiB of data\n");
        return 2;
    }
    Noise noise{argc > 3 ? std::strtoull(argv[3], nullptr, 10) | 1 : 0x9E3779B97F4A7C15ULL};
    const uint64_t silentBytes = std::min<uint64_t>(dataSize / 2, (argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 0) *
                                                            SampleRate * BlockAlign);

    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::vector<uint8_t> head = header(static_cast<uint32_t>(dataSize));
    bool ok = std::fwrite(head.data(), 1, head.size(), out) == head.size();

    std::vector<uint64_t> block(1 << 17);  // 1 MiB
    for (uint64_t left = dataSize; ok && left > 0;) {
        // Noise, or zeros while the block lies in the silent head or tail.
        const uint64_t at = dataSize - left;
        const bool silent = at < silentBytes || at >= dataSize - silentBytes;
        const uint64_t edge = at < silentBytes ? silentBytes : silent ? dataSize : dataSize - silentBytes;
        for (auto& word : block) word = silent ? 0 : noise.next();
        size_t n = static_cast<size_t>(std::min<uint64_t>(edge - at, block.size() * sizeof(uint64_t)));
        ok = std::fwrite(block.data(), 1, n, out) == n;
        left -= n;
    }
    ok = std::fclose(out) == 0 && ok;
    if (!ok) std::perror(argv[1]);
    return ok ? 0 : 1;
}
