// make-test-wav: writes a 44.1 kHz 16-bit stereo WAV file of pseudo-random
// noise, fast, for the benchmarks; with SILENCE, its first and last SILENCE
// seconds are digital silence (zero samples) instead.
//   make-test-wav FILE SECONDS [SEED [SILENCE]]
// With --pauses, the file is speech-like instead: bursts of noise of 2 to 8 s
// whose loudness rises and falls like syllables, separated by pauses of 1.2
// to 3 s of near silence (a noise floor of a few steps); it begins and ends
// with a burst. It prints the number of pauses.
//   make-test-wav --pauses FILE SECONDS [SEED]
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// The frames of the --pauses file: which are sound, and how loud.
class SpeechLike {
public:
    SpeechLike(uint64_t frames, uint64_t seed) : frames_(frames), lengths_{seed * 0x9E3779B97F4A7C15ULL | 1}
    {
        startSegment(true);
    }

    int pauses() const { return pauses_; }

    // Fills `out` with the next frames, two 16-bit samples each.
    void fill(int16_t* out, size_t count)
    {
        for (size_t i = 0; i < count; ++i, ++done_) {
            if (done_ == segmentEnd_) startSegment(!burst_);
            const uint64_t r = noise_.next();
            if (burst_) {
                if ((done_ - segmentStart_) % 441 == 0) amplitude_ = envelope(done_ - segmentStart_);
                out[2 * i] = static_cast<int16_t>(static_cast<int16_t>(r) * amplitude_ / 32768);
                out[2 * i + 1] = static_cast<int16_t>(static_cast<int16_t>(r >> 16) * amplitude_ / 32768);
            } else {
                out[2 * i] = static_cast<int16_t>(static_cast<int>(r & 7) - 3);
                out[2 * i + 1] = static_cast<int16_t>(static_cast<int>((r >> 3) & 7) - 3);
            }
        }
    }

private:
    // Syllables of about 0.2 s: the loudness swings between a tenth and all of 12000.
    static int32_t envelope(uint64_t frame)
    {
        const double t = static_cast<double>(frame) / SampleRate;
        return static_cast<int32_t>(12000 * (0.1 + 0.9 * std::fabs(std::sin(3.14159265358979 * 5 * t))));
    }

    uint64_t between(double low, double high)
    {
        const double unit = static_cast<double>(lengths_.next() >> 11) / 9007199254740992.0;
        return static_cast<uint64_t>((low + (high - low) * unit) * SampleRate);
    }

    // A burst, or a pause while the rest holds a pause and a burst; the last burst takes the rest.
    void startSegment(bool burst)
    {
        burst_ = burst;
        segmentStart_ = done_;
        const uint64_t rest = frames_ - done_;
        uint64_t length = rest;
        if (burst && rest > 13 * SampleRate) length = between(2.0, 8.0);
        if (!burst) {
            length = between(1.2, 3.0);
            ++pauses_;
        }
        segmentEnd_ = done_ + length;
    }

    uint64_t frames_;
    Noise lengths_;
    Noise noise_{0x2545F4914F6CDD1DULL};
    uint64_t done_ = 0;
    uint64_t segmentStart_ = 0;
    uint64_t segmentEnd_ = 0;
    bool burst_ = true;
    int32_t amplitude_ = 0;
    int pauses_ = 0;
};

int speechLike(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: make-test-wav --pauses FILE SECONDS [SEED]\n");
        return 2;
    }
    const uint64_t seconds = std::strtoull(argv[3], nullptr, 10);
    const uint64_t dataSize = seconds * SampleRate * BlockAlign;
    if (seconds == 0 || dataSize > 0xFFFFFFFFULL - 36) {
        std::fprintf(stderr, "make-test-wav: SECONDS must give 1 to 4 GiB of data\n");
        return 2;
    }
    SpeechLike sound(seconds * SampleRate, argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 1);
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) {
        std::perror(argv[2]);
        return 1;
    }
    std::vector<uint8_t> head = header(static_cast<uint32_t>(dataSize));
    bool ok = std::fwrite(head.data(), 1, head.size(), out) == head.size();
    std::vector<int16_t> block(1 << 19);  // 1 MiB
    for (uint64_t left = seconds * SampleRate; ok && left > 0;) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(left, block.size() / 2));
        sound.fill(block.data(), n);
        ok = std::fwrite(block.data(), BlockAlign, n, out) == n;  // the samples in the machine's order: little-endian
        left -= n;
    }
    ok = std::fclose(out) == 0 && ok;
    if (!ok) {
        std::perror(argv[2]);
        return 1;
    }
    std::printf("%d\n", sound.pauses());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--pauses") == 0) return speechLike(argc, argv);
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
