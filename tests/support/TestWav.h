#pragma once
// Test support: WAV files built byte by byte in a temporary folder.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void AppendU16(Bytes& b, uint16_t v)
{
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

inline void AppendU32(Bytes& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A chunk; with pad, a body of odd size is followed by a 0 byte, as standard
// writers do.
inline void AppendChunk(Bytes& b, const std::string& id, const Bytes& body, bool pad = false)
{
    b.insert(b.end(), id.begin(), id.end());
    AppendU32(b, static_cast<uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    if (pad && body.size() % 2 != 0) b.push_back(0);
}

inline uint32_t ReadU32(const Bytes& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

inline uint16_t ReadU16(const Bytes& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

// A WAV file described by its parts; build() lays them out in order:
// RIFF header, chunksBeforeFmt, fmt, chunksBetween, data, chunksAfter.
struct WavSpec {
    uint16_t formatTag = 1;
    uint16_t channels = 2;
    uint32_t sampleRate = 44100;
    uint16_t bits = 16;
    int blockAlign = -1;              // -1: channels x bytes per sample
    int64_t avgBytesPerSec = -1;      // -1: rate x block align
    Bytes fmtExtra;                   // bytes after the first 16 of the fmt body
    Bytes data;
    int64_t dataSizeField = -1;       // -1: data.size()
    std::vector<std::pair<std::string, Bytes>> chunksBeforeFmt, chunksBetween, chunksAfter;
    int64_t riffSizeField = -1;       // -1: correct
    bool padOddChunks = false;        // a pad byte behind every chunk of odd size

    uint16_t align() const
    {
        return static_cast<uint16_t>(blockAlign >= 0 ? blockAlign : channels * ((bits + 7) / 8));
    }

    Bytes fmtBody() const
    {
        Bytes f;
        AppendU16(f, formatTag);
        AppendU16(f, channels);
        AppendU32(f, sampleRate);
        AppendU32(f, static_cast<uint32_t>(avgBytesPerSec >= 0 ? avgBytesPerSec : sampleRate * align()));
        AppendU16(f, align());
        AppendU16(f, bits);
        f.insert(f.end(), fmtExtra.begin(), fmtExtra.end());
        return f;
    }

    Bytes build() const
    {
        Bytes b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
        for (auto& [id, body] : chunksBeforeFmt) AppendChunk(b, id, body, padOddChunks);
        AppendChunk(b, "fmt ", fmtBody(), padOddChunks);
        for (auto& [id, body] : chunksBetween) AppendChunk(b, id, body, padOddChunks);
        b.insert(b.end(), {'d', 'a', 't', 'a'});
        AppendU32(b, static_cast<uint32_t>(dataSizeField >= 0 ? dataSizeField : data.size()));
        b.insert(b.end(), data.begin(), data.end());
        if (padOddChunks && data.size() % 2 != 0) b.push_back(0);
        for (auto& [id, body] : chunksAfter) AppendChunk(b, id, body, padOddChunks);
        uint32_t riff = static_cast<uint32_t>(riffSizeField >= 0 ? riffSizeField : b.size() - 8);
        for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<uint8_t>(riff >> (8 * i));
        return b;
    }
};

// The same format in an extensible 40-byte `fmt ` chunk: tag 0xFFFE, then
// extension size 22, valid bits, a channel mask and the sub-format GUID of
// subFormat (1 PCM, 3 floating point).
inline WavSpec Extensible(WavSpec s, uint16_t subFormat = 1)
{
    s.formatTag = 0xFFFE;
    s.fmtExtra.clear();
    AppendU16(s.fmtExtra, 22);
    AppendU16(s.fmtExtra, s.bits);
    AppendU32(s.fmtExtra, s.channels == 2 ? 0x3u : 0x4u);  // front left and right, or centre
    AppendU16(s.fmtExtra, subFormat);
    const Bytes guidRest = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    s.fmtExtra.insert(s.fmtExtra.end(), guidRest.begin(), guidRest.end());
    return s;
}

// Deterministic pseudo-random sample bytes.
inline Bytes NoiseBytes(size_t n, uint32_t seed = 1)
{
    std::mt19937 gen(seed);
    Bytes b(n);
    for (auto& x : b) x = static_cast<uint8_t>(gen());
    return b;
}

inline Bytes ReadFileBytes(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::filesystem::path& p, const Bytes& b)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir()
    {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("vantro-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Full path of a file in the folder, as the engine takes it.
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes a file and returns its full path.
    std::string write(const std::string& name, const Bytes& bytes) const
    {
        WriteFileBytes(path_ / name, bytes);
        return file(name);
    }

private:
    std::filesystem::path path_;
};

// A file whose data chunk stands before its `fmt ` chunk.
inline Bytes DataBeforeFmt(const WavSpec& s)
{
    Bytes b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    AppendChunk(b, "data", s.data);
    AppendChunk(b, "fmt ", s.fmtBody());
    const uint32_t riff = static_cast<uint32_t>(b.size() - 8);
    for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<uint8_t>(riff >> (8 * i));
    return b;
}
