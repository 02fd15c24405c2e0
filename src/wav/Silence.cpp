#include "Silence.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <new>
#include <system_error>

#include "EngineHost.h"
#include "RoutineFrame.h"
#include "SafeCount.h"
#include "WavHead.h"
#include "WavOutput.h"
#include "WorkBuffers.h"

namespace {

const std::string HeadDefaultText = "WAVファイルの先頭無音付け足しに失敗しました・・・";
const std::string TailDefaultText = "WAVファイルEND無音付け足しに失敗しました・・・EA";
const std::string HeadCreateFailedText = "WAVファイルの新規作成に失敗しました・・・MF\n";
const std::string TailOffsetText = "オフセットが不正です・・・EA";

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

// Unsigned 8-bit samples rest at their midpoint, wider signed ones at zero.
uint8_t SilentByte(const WavHead& head) { return head.bytesPerSample() == 1 ? 0x80 : 0x00; }

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

// Removes the target when the routine leaves without success. Declared before
// the routine's files, it acts after they are closed.
class TargetRemover {
public:
    TargetRemover(const std::string& path, bool armed) : path_(path), armed_(armed) {}
    TargetRemover(const TargetRemover&) = delete;
    TargetRemover& operator=(const TargetRemover&) = delete;
    ~TargetRemover()
    {
        if (!armed_) return;
        try {
            std::error_code ec;
            if (!std::filesystem::is_directory(path_, ec)) DeleteWavFile(path_);
        } catch (...) {
            // Nothing more can be done for it here.
        }
    }
    void keep() { armed_ = false; }

private:
    const std::string& path_;
    bool armed_;
};

bool WriteHeadSilence(const std::string& source, const std::string& target, int32_t seconds,
                      int32_t tenths, SilenceBuffer& silence, std::string& err)
{
    const HeadTexts texts("MF");
    // A target that is the source itself is neither replaced nor removed:
    // that would destroy the source.
    const bool targetIsSource = SameFile(source, target);
    TargetRemover remover(target, !targetIsSource);

    WavFile in;
    if (!in.open(source, WavFile::Mode::Read)) {
        err = texts.openFailed(source);
        return false;
    }
    WavHead head;
    const WalkOptions walk{.wholeFmt = true, .positions32 = true};
    if (!ReadWavHead(in, source, texts, head, err, walk) || !CheckDataAndFormat(head, texts, err))
        return false;

    WavFile out;
    if (targetIsSource || !out.open(target, WavFile::Mode::Create)) {
        err = HeadCreateFailedText + target;
        return false;
    }
    if (!WriteAll(out, head.buf.data(), head.fmtEnd()) || !WriteDataHeader(out)) {
        err = texts.headerWriteFailed();
        return false;
    }
    if (head.bitsPerSample == 0) {
        err = texts.badSample();
        return false;
    }
    const SilenceParts parts = SilenceOf(head, seconds, tenths);
    // RIFF size = fmt end + 8 + silence - 8 must fit its 32-bit field; a longer
    // silence cannot be a WAV file, and the default text stands.
    if (CountAdd(head.fmtEnd(), parts.total()) > MaxSizeField) return false;

    silence.fill(SilentByte(head));
    if (!WriteSilenceParts(out, silence, parts, texts, err)) return false;
    if (!PatchSizes(out, head.fmtEnd() + 4, static_cast<uint32_t>(parts.total()))) {
        err = texts.headerWriteFailed() + "_D";
        return false;
    }
    remover.keep();
    return true;
}

// Stands at the end of the data, over whatever follows it; false when the file
// ends before its data does.
bool StandAtDataEnd(WavFile& file, const WavHead& head)
{
    const int64_t length = file.seekEnd();
    if (length < head.dataEnd()) return false;
    return length == head.dataEnd() || file.seek(head.dataEnd());
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
    if (!ReadWavHead(file, fileName, texts, head, err) || !CheckDataAndFormat(head, texts, err))
        return false;
    if (!StandAtDataEnd(file, head)) {
        err = TailOffsetText;
        return false;
    }
    if (head.bitsPerSample == 0) {
        err = texts.badSample();
        return false;
    }
    const SilenceParts parts = SilenceOf(head, seconds, tenths);
    const int64_t newDataSize = CountAdd(head.dataSize, parts.total());
    const int64_t riffSize = CountAdd(head.dataStart, newDataSize) - 8;
    // Both size fields must hold the longer data; the default text stands.
    if (riffSize > MaxSizeField) return false;

    silence.fill(SilentByte(head));
    if (!WriteSilenceParts(file, silence, parts, texts, err)) return false;
    if (!WriteU32At(file, head.dataHeader + 4, static_cast<uint32_t>(newDataSize)) ||
        !WriteU32At(file, 4, static_cast<uint32_t>(riffSize))) {
        err = texts.headerWriteFailed();
        return false;
    }
    return true;
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
