#include "WavHead.h"

#include <cstring>

#include "Bytes.h"

int32_t WavHead::bytesPerSec() const
{
    // Formed wide, then narrowed to 32 bits as the header's arithmetic has it.
    uint64_t product = static_cast<uint64_t>(sampleRate) * blockAlign;
    return static_cast<int32_t>(static_cast<uint32_t>(product));
}

namespace {

constexpr uint16_t PcmTag = 1;
constexpr uint16_t ExtensibleTag = 0xFFFE;
constexpr uint32_t PlainFmtBytes = 16;
constexpr int64_t ExtensibleFmtBytes = 40;
constexpr int64_t SubFormatAt = 24;  // offset of the sub-format GUID in the `fmt ` body
// The PCM sub-format GUID 00000001-0000-0010-8000-00AA00389B71 as it is stored.
constexpr uint8_t PcmSubFormat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                      0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

bool isChunkId(const uint8_t* id)
{
    for (int i = 0; i < 4; ++i)
        if (id[i] < 0x20 || id[i] > 0x7E) return false;
    return true;
}

// Finds the `fmt ` chunk inside the bytes read, from offset 12.
bool findFmt(WavHead& head, const WalkOptions& options)
{
    int64_t pos = 12;
    while (pos + 8 <= head.bytesRead) {
        const uint8_t* chunk = head.buf.data() + pos;
        uint32_t size = GetU32(chunk + 4);
        if (IdIs(chunk, "fmt ")) {
            head.fmtBody = pos + 8;
            head.fmtSize = size;
            if (head.fmtBody + 16 > head.bytesRead) return false;
            if (options.wholeFmt && head.fmtEnd() > head.bytesRead) return false;
            return true;
        }
        pos = NextChunkIn(head.buf.data(), head.bytesRead, pos, size);
    }
    return false;
}

void takeFormat(WavHead& head)
{
    const uint8_t* body = head.buf.data() + head.fmtBody;
    head.formatTag = GetU16(body);
    head.channels = GetU16(body + 2);
    head.sampleRate = GetU32(body + 4);
    head.avgBytesPerSec = GetU32(body + 8);
    head.blockAlign = GetU16(body + 12);
    head.bitsPerSample = GetU16(body + 14);
    head.extensible = head.formatTag == ExtensibleTag && head.fmtSize >= ExtensibleFmtBytes &&
                      head.fmtBody + ExtensibleFmtBytes <= head.bytesRead;
    bool pcmSubFormat = head.extensible && std::memcmp(body + SubFormatAt, PcmSubFormat, 16) == 0;
    head.pcm = head.formatTag == PcmTag || pcmSubFormat;
}

// Walks the file from offset 12, chunk header by chunk header, to `data`.
bool findData(WavFile& file, const std::string& path, const HeadTexts& texts, WavHead& head,
              std::string& err, const WalkOptions& options)
{
    int64_t pos = 12;
    bool afterOddChunk = false;
    for (;;) {
        bool addressable = !options.positions32 || pos <= 0xFFFFFFFFLL;
        if (!addressable || !file.seek(pos)) {
            err = texts.seekFailed(path);
            return false;
        }
        uint8_t bytes[9];
        if (file.read(bytes, 8) != 8) {
            err = texts.chunkUnreadable(path);
            return false;
        }
        // Behind an odd chunk, 8 bytes whose id is no chunk id may be a pad
        // byte and 7 bytes of the header: a ninth byte tells. Either way a
        // `data` header leaves the file standing at its first sample byte.
        const uint8_t* header = bytes;
        if (afterOddChunk && !isChunkId(bytes) && file.read(bytes + 8, 1) == 1 && PadByteAt(bytes, 9)) {
            ++header;
            ++pos;
        }
        uint32_t size = GetU32(header + 4);
        if (IdIs(header, "data")) {
            head.dataHeader = pos;
            head.dataStart = pos + 8;
            head.dataSize = size;
            return true;
        }
        pos += 8 + static_cast<int64_t>(size);
        afterOddChunk = (size & 1) != 0;
    }
}

}  // namespace

bool PadByteAt(const uint8_t* next, int64_t available)
{
    return available >= 9 && !isChunkId(next) && isChunkId(next + 1);
}

int64_t NextChunkIn(const uint8_t* bytes, int64_t length, int64_t pos, uint32_t size)
{
    int64_t next = pos + 8 + static_cast<int64_t>(size);
    if ((size & 1) != 0 && next < length && PadByteAt(bytes + next, length - next)) ++next;
    return next;
}

bool ReadWavHead(WavFile& file, const std::string& path, const HeadTexts& texts, WavHead& head,
                 std::string& err, WalkOptions options)
{
    head.bytesRead = file.read(head.buf.data(), HeadBufSize);  // a freshly opened file stands at 0
    if (head.bytesRead < MinHeadBytes) {
        err = texts.tooShort(path);
        return false;
    }
    if (!IdIs(head.buf.data(), "RIFF")) {
        err = texts.notRiff();
        return false;
    }
    if (!IdIs(head.buf.data() + 8, "WAVE")) {
        err = texts.notWave();
        return false;
    }
    if (!findFmt(head, options)) {
        err = texts.fmtNotFound();
        return false;
    }
    if (head.fmtSize < 16) {
        err = texts.fmtShort();
        return false;
    }
    takeFormat(head);
    return findData(file, path, texts, head, err, options);
}

void MakePlainPcmFmt(WavHead& head)
{
    head.fmtSize = PlainFmtBytes;
    head.formatTag = PcmTag;
    head.extensible = false;
    PutU32(head.buf.data() + head.fmtBody - 4, head.fmtSize);
    PutU16(head.buf.data() + head.fmtBody, head.formatTag);
}

bool HasSound(const WavHead& head) { return head.dataSize > 0 && head.wholeFrameBytes() > 0; }

bool CheckDataAndFormat(const WavHead& head, const HeadTexts& texts, std::string& err)
{
    if (!HasSound(head)) {
        err = texts.noData();
        return false;
    }
    if (!head.pcm) {
        err = texts.compressed();
        return false;
    }
    return true;
}
