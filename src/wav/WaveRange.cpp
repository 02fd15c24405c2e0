#include "WaveRange.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "TargetFile.h"
#include "WavOutput.h"

namespace {

constexpr uint16_t PcmTag = 1;
constexpr uint16_t ExtensibleTag = 0xFFFE;
constexpr uint64_t WaveHeaderBytes = 44;

uint16_t U16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void Put16(std::vector<char>& b, uint16_t v)
{
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>(v >> 8));
}

void Put32(std::vector<char>& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutId(std::vector<char>& b, const char* id) { b.insert(b.end(), id, id + 4); }

bool ReadAt(std::ifstream& in, uint64_t at, unsigned char* out, std::size_t n)
{
    in.clear();
    in.seekg(static_cast<std::streamoff>(at));
    in.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(n));
    return in.gcount() == static_cast<std::streamsize>(n);
}

// Takes the format from a fmt body of at least 16 bytes; false when it is
// not PCM this device can play.
bool TakeFormat(const unsigned char* f, std::size_t size, WaveLayout& layout)
{
    uint16_t tag = U16(f);
    if (tag == ExtensibleTag && size >= 40) tag = U16(f + 24);  // sub-format GUID starts with the tag
    layout.channels = U16(f + 2);
    layout.sampleRate = U32(f + 4);
    layout.blockAlign = U16(f + 12);
    layout.bitsPerSample = U16(f + 14);
    const uint16_t bytes = static_cast<uint16_t>((layout.bitsPerSample + 7) / 8);
    const bool bitsOk = layout.bitsPerSample == 8 || layout.bitsPerSample == 16 ||
                        layout.bitsPerSample == 24 || layout.bitsPerSample == 32;
    return tag == PcmTag && bitsOk && layout.channels >= 1 && layout.channels <= 8 &&
           layout.sampleRate > 0 && layout.blockAlign == layout.channels * bytes;
}

std::vector<char> WaveHeader(const WaveLayout& layout, uint32_t dataBytes)
{
    const uint32_t pad = dataBytes & 1;
    std::vector<char> h;
    PutId(h, "RIFF");
    Put32(h, 36 + dataBytes + pad);
    PutId(h, "WAVE");
    PutId(h, "fmt ");
    Put32(h, 16);
    Put16(h, PcmTag);
    Put16(h, layout.channels);
    Put32(h, layout.sampleRate);
    Put32(h, layout.sampleRate * layout.blockAlign);
    Put16(h, layout.blockAlign);
    Put16(h, layout.bitsPerSample);
    PutId(h, "data");
    Put32(h, dataBytes);
    return h;
}

// Copies the frames behind the header. (A copy inside the system,
// copy_file_range, was slower here at every part size: a part starts behind
// its 44-byte header, so no block can be shared.)
std::string CopyFrames(const std::string& source, const WaveLayout& layout, uint64_t first,
                       uint64_t end, WavFile& out)
{
    WavFile in;
    if (!in.open(source, WavFile::Mode::Read)) return "the source cannot be read";
    const auto from = static_cast<int64_t>(layout.dataOffset + first * layout.blockAlign);
    const auto bytes = static_cast<int64_t>((end - first) * layout.blockAlign);
    if (out.writeFrom(in, from, bytes) == bytes) return {};
    return in.length() < from + bytes ? "the source ended early" : "the destination cannot be written";
}

}  // namespace

std::optional<WaveLayout> ReadWaveLayout(const std::string& path)
{
    // Only a regular file: opening a FIFO would wait for a writer.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const uint64_t fileSize = std::filesystem::file_size(path, ec);
    if (ec) return std::nullopt;

    unsigned char head[12];
    if (!ReadAt(in, 0, head, 12) || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
        return std::nullopt;

    WaveLayout layout;
    bool haveFormat = false;
    for (uint64_t at = 12; at + 8 <= fileSize;) {
        unsigned char chunk[8];
        if (!ReadAt(in, at, chunk, 8)) break;
        const uint64_t size = U32(chunk + 4);
        const uint64_t body = at + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            std::array<unsigned char, 40> f{};
            const std::size_t want = static_cast<std::size_t>(std::min<uint64_t>(size, f.size()));
            if (size < 16 || !ReadAt(in, body, f.data(), want) || !TakeFormat(f.data(), want, layout))
                return std::nullopt;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return std::nullopt;
            const uint64_t present = std::min(size, fileSize - body);
            layout.dataOffset = body;
            layout.frameCount = present / layout.blockAlign;
            return layout;
        }
        at = body + size + (size & 1);  // chunks of odd size are followed by a pad byte
    }
    return std::nullopt;
}

WaveFrameReader::WaveFrameReader(const std::string& path, const WaveLayout& layout)
    : in_(path, std::ios::binary), layout_(layout)
{
}

bool WaveFrameReader::seek(uint64_t frame)
{
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(layout_.dataOffset + frame * layout_.blockAlign));
    return static_cast<bool>(in_);
}

uint64_t WaveFrameReader::read(char* out, uint64_t frames)
{
    in_.read(out, static_cast<std::streamsize>(frames * layout_.blockAlign));
    const uint64_t got = static_cast<uint64_t>(in_.gcount()) / layout_.blockAlign;
    if (!in_) in_.clear();
    return got;
}

std::string SaveWaveRange(const std::string& source, const WaveLayout& layout, uint64_t first,
                          uint64_t end, const std::string& destination)
{
    if (end < first || end > layout.frameCount) return "the range is outside the data";
    if (SameFile(source, destination)) return "the destination is the source";
    const uint64_t dataBytes = (end - first) * layout.blockAlign;
    if (dataBytes > 0xFFFFFFFFull - 36 - 1) return "the range is too large for a WAV file";

    // Written under a temporary name: the destination appears whole or not at all.
    TargetFile out;
    if (!out.create(destination, source)) return "the destination cannot be created";
    const uint32_t pad = dataBytes & 1;
    out.reserve(static_cast<int64_t>(WaveHeaderBytes + dataBytes + pad));
    const auto header = WaveHeader(layout, static_cast<uint32_t>(dataBytes));
    if (!WriteAll(out, header.data(), static_cast<int64_t>(header.size())))
        return "the destination cannot be written";
    const std::string error = CopyFrames(source, layout, first, end, out);
    if (!error.empty()) return error;
    const char padByte = 0;
    if (pad && !WriteAll(out, &padByte, 1)) return "the destination cannot be written";
    if (!out.commit()) return "the destination cannot be created";
    return {};
}
