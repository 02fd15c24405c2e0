#include "Silence.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <new>
#include <system_error>

#include "EngineHost.h"
#include "InPlaceGrowth.h"
#include "RoutineFrame.h"
#include "SafeCount.h"
#include "TargetFile.h"
#include "WavHead.h"
#include "WavOutput.h"
#include "WorkBuffers.h"

namespace {

const std::string HeadDefaultText = "WAVファイルの先頭無音付け足しに失敗しました・・・";
const std::string TailDefaultText = "WAVファイルEND無音付け足しに失敗しました・・・EA";
const std::string HeadCreateFailedText = "WAVファイルの新規作成に失敗しました・・・MF\n";
const std::string TailOffsetText = "オフセットが不正です・・・EA";
const std::string TailFmtBehindDataText = "WAVフォーマットがデータエリアの後ろにあるため無音を付加できません・・・EA\n";

// A format without bytes per second (sample rate or block align 0) has no
// length of silence; it is refused as every routine refuses it.
bool HasBytesPerSec(const WavHead& head, const HeadTexts& texts, std::string& err)
{
    if (static_cast<int64_t>(head.sampleRate) * head.blockAlign > 0) return true;
    err = texts.bytesPerSec();
    return false;
}

// The head silence is the start of a join, whose append takes bytes per
// second as a 32-bit product: a format whose product does not fit is refused
// here, before the silence is written, as the append would refuse it after.
bool HasJoinableBytesPerSec(const WavHead& head, const HeadTexts& texts, std::string& err)
{
    if (head.bytesPerSec() > 0) return true;
    err = texts.bytesPerSec();
    return false;
}

bool HasBits(const WavHead& head, const HeadTexts& texts, std::string& err)
{
    if (head.bitsPerSample != 0) return true;
    err = texts.badSample();
    return false;
}

// The silence of one call, in its two parts: whole seconds, then tenths.
struct SilenceParts {
    int64_t whole = 0;
    int64_t tenths = 0;
    int64_t total() const { return CountAdd(whole, tenths); }
};

SilenceParts SilenceOf(const WavHead& head, int32_t seconds, int32_t tenths)
{
    return {SilenceBytes(head.sampleRate, head.blockAlign, seconds, 0),
            SilenceBytes(head.sampleRate, head.blockAlign, 0, tenths)};
}

// One buffer pre-filled with the silent byte, written as often as needed.
struct SilenceBuffer {
    SilenceBuffer() : size(SmallBufSize), bytes(AllocBuffer(size)) {}
    void fill(uint8_t value) { std::fill_n(bytes.get(), size, value); }
    int64_t size;
    Buffer bytes;
};

enum class Written { All, FullShort, RestShort };

// n silent bytes: as many full buffers as fit, then the rest.
Written WriteSilence(WavFile& out, const SilenceBuffer& silence, int64_t n)
{
    for (int64_t i = 0; i < n / silence.size; ++i)
        if (!WriteAll(out, silence.bytes.get(), silence.size)) return Written::FullShort;
    const int64_t rest = n % silence.size;
    if (rest > 0 && !WriteAll(out, silence.bytes.get(), rest)) return Written::RestShort;
    return Written::All;
}

// The whole part and then the tenths part; a short write of a rest is told
// apart by "_A".
bool WriteSilenceParts(WavFile& out, const SilenceBuffer& silence, const SilenceParts& parts,
                       const HeadTexts& texts, std::string& err)
{
    for (int64_t n : {parts.whole, parts.tenths}) {
        switch (WriteSilence(out, silence, n)) {
        case Written::All:
            break;
        case Written::FullShort:
            err = texts.headerWriteFailed();
            return false;
        case Written::RestShort:
            err = texts.headerWriteFailed() + "_A";
            return false;
        }
    }
    return true;
}

bool WriteHeadSilence(const std::string& source, const std::string& target, int32_t seconds,
                      int32_t tenths, SilenceBuffer& silence, std::string& err)
{
    const HeadTexts texts("MF");
    WavFile in;
    if (!in.open(source, WavFile::Mode::Read)) {
        err = texts.openFailed(source);
        return false;
    }
    WavHead head;
    const WalkOptions walk{.wholeFmt = true, .positions32 = true};
    if (!ReadWavHead(in, source, texts, head, err, walk) || !CheckDataAndFormat(head, texts, err) ||
        !HasJoinableBytesPerSec(head, texts, err) || !HasBits(head, texts, err))
        return false;
    // The source's samples are to follow the silence: a source that does not
    // hold the data it claims cannot be joined.
    if (in.length() < head.dataEnd()) {
        err = texts.tooShort(source);
        return false;
    }
    const SilenceParts parts = SilenceOf(head, seconds, tenths);
    // The silence and the source's whole frames behind it must leave the RIFF
    // size (fmt end + 8 + data - 8) within its 32-bit field; a longer file
    // cannot be a WAV file, and the default text stands.
    if (!FitsSizeFields(head.fmtEnd(), CountAdd(parts.total(), head.wholeFrameBytes()))) return false;

    // The new file is made under a temporary name and removed on every
    // failure; whatever stands at the target stays until it is replaced whole.
    TargetFile out;
    if (!out.create(target, source)) {
        err = HeadCreateFailedText + target;
        return false;
    }
    if (!WriteAll(out, head.buf.data(), head.fmtEnd()) || !WriteDataHeader(out)) {
        err = texts.headerWriteFailed();
        return false;
    }
    silence.fill(SilentByte(head));
    if (!WriteSilenceParts(out, silence, parts, texts, err)) return false;
    if (!PatchSizes(out, head.fmtEnd() + 4, static_cast<uint32_t>(parts.total()))) {
        err = texts.headerWriteFailed() + "_D";
        return false;
    }
    if (!out.commit()) {
        err = HeadCreateFailedText + target;
        return false;
    }
    return true;
}

// Stands at the end of the data, over whatever follows it, and tells the
// file's length; false when the file ends before its data does.
bool StandAtDataEnd(WavFile& file, const WavHead& head, int64_t& length)
{
    length = file.seekEnd();
    if (length < head.dataEnd()) return false;
    return length == head.dataEnd() || file.seek(head.dataEnd());
}

// The silence overwrites whatever follows the data chunk, never a `fmt ` chunk.
bool CheckFmtBeforeData(const WavHead& head, const std::string& fileName, std::string& err)
{
    if (FmtBeforeData(head)) return true;
    err = TailFmtBehindDataText + fileName;
    return false;
}

// The silence behind the data, then both size fields.
bool WriteTail(WavFile& file, const WavHead& head, const SilenceBuffer& silence, const SilenceParts& parts,
               int64_t newDataSize, int64_t riffSize, const HeadTexts& texts, std::string& err)
{
    if (!WriteSilenceParts(file, silence, parts, texts, err)) return false;
    if (!WriteU32At(file, head.dataHeader + 4, static_cast<uint32_t>(newDataSize)) ||
        !WriteU32At(file, 4, static_cast<uint32_t>(riffSize))) {
        err = texts.headerWriteFailed();
        return false;
    }
    return true;
}

bool WriteTailSilence(const std::string& fileName, int32_t seconds, int32_t tenths,
                      SilenceBuffer& silence, std::string& err)
{
    const HeadTexts texts("EA");
    WavFile file;
    if (!file.open(fileName, WavFile::Mode::ReadWrite)) {
        err = texts.openFailed(fileName);
        return false;
    }
    WavHead head;
    if (!ReadWavHead(file, fileName, texts, head, err) || !CheckDataAndFormat(head, texts, err) ||
        !HasBytesPerSec(head, texts, err) || !CheckFmtBeforeData(head, fileName, err))
        return false;
    int64_t length = 0;
    if (!StandAtDataEnd(file, head, length)) {
        err = TailOffsetText;
        return false;
    }
    if (!HasBits(head, texts, err)) return false;
    const SilenceParts parts = SilenceOf(head, seconds, tenths);
    // Silence starts on a frame: behind data that ends in a partial frame it
    // is written over that frame. No silence leaves the data as it is.
    const int64_t kept = parts.total() > 0 ? head.wholeFrameBytes() : head.dataSize;
    const int64_t newDataSize = CountAdd(kept, parts.total());
    const int64_t riffSize = CountAdd(head.dataStart, newDataSize) - 8;
    // Both size fields must hold the longer data; the default text stands.
    if (riffSize > MaxSizeField) return false;

    silence.fill(SilentByte(head));
    // From here on a failure puts the file back as it was.
    InPlaceGrowth growth(file, fileName, head, length, head.dataStart + kept);
    bool written = false;
    if (!growth.begin(parts.total()))
        err = texts.headerWriteFailed();
    else
        written = WriteTail(file, head, silence, parts, newDataSize, riffSize, texts, err);
    return growth.end(written, texts.code(), err);
}

}  // namespace

int64_t SilenceBytes(int64_t sampleRate, int64_t blockAlign, int64_t seconds, int64_t tenths)
{
    if (sampleRate <= 0 || blockAlign <= 0) return 0;
    const int64_t whole = seconds > 0 ? CountMul(seconds, CountMul(sampleRate, blockAlign)) : 0;
    int64_t part = 0;
    if (tenths >= 1) {
        // Frames rounded to nearest, ties to even: 0.1 s at 11,025 Hz is 1,102 frames.
        const long double frames = std::nearbyintl(static_cast<long double>(sampleRate) * tenths / 10);
        part = frames >= 0x1p63L ? MaxCount : CountMul(static_cast<int64_t>(frames), blockAlign);
    }
    return CountAdd(whole, part);
}

void AddHeadSilence(const std::string& sourceFileName, const std::string& targetFileName,
                    int32_t seconds, int32_t tenths, std::string& ErrorText)
{
    const std::string defaultText = HeadDefaultText + std::to_string(seconds) + "." + std::to_string(tenths);
    RunRoutine(ErrorText, defaultText, [&](std::string& err) {
        ProcessPendingMessages();
        SilenceBuffer silence;
        return WriteHeadSilence(sourceFileName, targetFileName, seconds, tenths, silence, err);
    });
    ProcessPendingMessages();
}

void AddTailSilence(const std::string& fileName, int32_t seconds, int32_t tenths, std::string& ErrorText)
{
    const std::string defaultText =
        TailDefaultText + std::to_string(seconds) + "." + std::to_string(tenths) + "\n" + fileName;
    RunRoutine(ErrorText, defaultText, [&](std::string& err) {
        ProcessPendingMessages();
        SilenceBuffer silence;
        return WriteTailSilence(fileName, seconds, tenths, silence, err);
    });
    ProcessPendingMessages();
}
