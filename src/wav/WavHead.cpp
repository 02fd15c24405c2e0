#include "WavHead.h"

#include "Bytes.h"

int32_t WavHead::bytesPerSec() const
{
    // Formed wide, then narrowed to 32 bits as the header's arithmetic has it.
    uint64_t product = static_cast<uint64_t>(sampleRate) * blockAlign;
    return static_cast<int32_t>(static_cast<uint32_t>(product));
}

namespace {

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
        pos += 8 + static_cast<int64_t>(size);
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
}

// Walks the file from offset 12, chunk header by chunk header, to `data`.
bool findData(WavFile& file, const std::string& path, const HeadTexts& texts, WavHead& head,
              std::string& err, const WalkOptions& options)
{
    int64_t pos = 12;
    for (;;) {
        bool addressable = !options.positions32 || pos <= 0xFFFFFFFFLL;
        if (!addressable || !file.seek(pos)) {
            err = texts.seekFailed(path);
            return false;
        }
        uint8_t header[8];
        if (file.read(header, 8) != 8) {
            err = texts.chunkUnreadable(path);
            return false;
        }
        uint32_t size = GetU32(header + 4);
        if (IdIs(header, "data")) {
            head.dataHeader = pos;
            head.dataStart = pos + 8;
            head.dataSize = size;
            return true;
        }
        pos += 8 + static_cast<int64_t>(size);
    }
}

}  // namespace

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

bool CheckDataAndFormat(const WavHead& head, const HeadTexts& texts, std::string& err)
{
    if (head.dataSize == 0) {
        err = texts.noData();
        return false;
    }
    if (head.formatTag != 1) {
        err = texts.compressed();
        return false;
    }
    return true;
}
