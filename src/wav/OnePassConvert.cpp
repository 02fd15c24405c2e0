#include "OnePassConvert.h"

#include <algorithm>
#include <new>

#include "BlockCopy.h"
#include "CopySteps.h"
#include "EngineHost.h"
#include "Fade.h"
#include "FadeSteps.h"
#include "Silence.h"
#include "TargetFile.h"
#include "WavAppend.h"
#include "WavCopy.h"
#include "WavHead.h"
#include "WavOutput.h"
#include "WorkBuffers.h"

namespace {

// One fade over a part of the kept samples, in loads of its own size: a load
// that ends inside a 10 ms step ends that step, so the loads must fall where
// the fade step puts them.
struct FadePart {
    int64_t start = 0;  // bytes behind the first kept sample byte
    int64_t bytes = 0;
    int64_t seconds = 0;
    bool rising = true;
};

// What the pass writes, worked out before its first byte.
struct OnePass {
    WavHead head;         // the source's head as the head silence step walks it
    int64_t keptStart = 0;  // the kept whole frames in the source
    int64_t keptBytes = 0;
    int64_t headSilence = 0;
    int64_t tailSilence = 0;
    FadeFormat format;
    int64_t fadeLoad = 0;
    FadePart in;
    FadePart out;
};

// The head silence step's checks on the source (its walk takes the whole
// `fmt ` chunk and 32-bit positions; the other steps' walks then find the
// same chunks), and the silence it writes. The data must follow the `fmt `
// chunk: the steps' file is walked again from its start, and a data chunk
// before `fmt ` would be found there first.
bool planHead(WavFile& source, const std::string& path, const ConvertShape& shape, OnePass& pass)
{
    const HeadTexts texts("MF");
    std::string err;
    WavHead& head = pass.head;
    if (!ReadWavHead(source, path, texts, head, err, {.wholeFmt = true, .positions32 = true}) ||
        !CheckDataAndFormat(head, texts, err) || head.bytesPerSec() <= 0 || head.bitsPerSample == 0 ||
        source.length() < head.dataEnd() || head.dataHeader < head.fmtEnd())
        return false;
    pass.headSilence = SilenceBytes(head.sampleRate, head.blockAlign, shape.headSeconds, shape.headTenths);
    // No silence would leave the append a target without data, and the file
    // of head and silence alone must be long enough to be read as a WAV file.
    return pass.headSilence > 0 && head.fmtEnd() + 8 + pass.headSilence >= MinHeadBytes &&
           FitsSizeFields(head.fmtEnd(), CountAdd(pass.headSilence, head.wholeFrameBytes()));
}

// The append's checks: the kept range's whole frames, in the source, within
// the size fields behind the silence.
bool planKept(WavFile& source, const ConvertShape& shape, OnePass& pass)
{
    const HeadTexts texts("KD");
    std::string err;
    WavHead kept = pass.head;
    if (!NarrowToRange(kept, shape.kept, texts, err)) return false;
    kept.dataSize = static_cast<uint32_t>(kept.wholeFrameBytes());
    BlockPlan plan;
    if (kept.dataSize == 0 || !PlanBlocks(kept, texts, WorkBufSize, 1, plan, err) ||
        !PlanInFile(source, kept.dataStart, plan, texts, err))
        return false;
    pass.keptStart = kept.dataStart;
    pass.keptBytes = kept.dataSize;
    const int64_t dataStart = pass.head.fmtEnd() + 8;
    return dataStart + pass.headSilence + pass.keptBytes - 8 <= MaxSizeField;
}

// The fade step's checks and regions: the fade-in from the first kept sample,
// the fade-out up to the last, both within the kept whole seconds.
bool planFades(const ConvertShape& shape, OnePass& pass)
{
    if (shape.fadeInSeconds <= 0 && shape.fadeOutSeconds <= 0) return true;
    const WavHead& head = pass.head;
    const int64_t bytesPerSec = static_cast<int64_t>(head.sampleRate) * head.blockAlign;
    const int64_t per40ms = BytesPer40ms(bytesPerSec);
    pass.fadeLoad = LoadSize(per40ms, WorkBufSize);
    if (per40ms < 1 || pass.fadeLoad <= 0) return false;
    pass.format = FadeFormatOf(head, bytesPerSec);
    const FadeLengths fades = ClipFades(shape.fadeInSeconds, shape.fadeOutSeconds, pass.keptBytes / bytesPerSec);
    pass.in = {0, fades.in * bytesPerSec, fades.in, true};
    pass.out = {pass.keptBytes - fades.out * bytesPerSec, fades.out * bytesPerSec, fades.out, false};
    return true;
}

// The tail step's silence, within the size fields.
bool planTail(const ConvertShape& shape, OnePass& pass)
{
    const WavHead& head = pass.head;
    pass.tailSilence = shape.tailSeconds + shape.tailTenths > 0
                           ? SilenceBytes(head.sampleRate, head.blockAlign, shape.tailSeconds, shape.tailTenths)
                           : 0;
    const int64_t data = CountAdd(pass.headSilence + pass.keptBytes, pass.tailSilence);
    return CountAdd(head.fmtEnd(), data) <= MaxSizeField;
}

bool writeSilence(WavFile& out, uint8_t* buffer, int64_t size, uint8_t silent, int64_t n)
{
    std::fill_n(buffer, std::min(size, n), silent);
    for (int64_t left = n; left > 0; left -= std::min(size, left))
        if (!WriteAll(out, buffer, std::min(size, left))) return false;
    return true;
}

// The kept samples of [from, from + bytes) faded in the fade's own loads.
bool writeFaded(WavFile& source, WavFile& out, const OnePass& pass, const FadePart& part, uint8_t* buffer)
{
    FadeCourse course(pass.format, part.seconds * 100, part.rising);
    if (!source.seek(pass.keptStart + part.start)) return false;
    for (int64_t done = 0; done < part.bytes;) {
        const int64_t n = std::min(pass.fadeLoad, part.bytes - done);
        if (source.read(buffer, n) != n) return false;
        course.scale(buffer, n);
        if (!WriteAll(out, buffer, n)) return false;
        done += n;
    }
    return true;
}

bool writeKept(WavFile& source, WavFile& out, const OnePass& pass, uint8_t* buffer)
{
    const int64_t plainFrom = pass.in.bytes;
    const int64_t plainBytes = pass.keptBytes - pass.in.bytes - pass.out.bytes;
    return (pass.in.seconds <= 0 || writeFaded(source, out, pass, pass.in, buffer)) &&
           out.writeFrom(source, pass.keptStart + plainFrom, plainBytes) == plainBytes &&
           (pass.out.seconds <= 0 || writeFaded(source, out, pass, pass.out, buffer));
}

bool writeOnePass(WavFile& source, const std::string& sourcePath, const std::string& targetPath, const OnePass& pass)
{
    const int64_t size = std::max<int64_t>(WorkBufSize, pass.fadeLoad);
    const Buffer buffer = AllocBuffer(size);
    if (!buffer) return false;
    const WavHead& head = pass.head;
    const uint8_t silent = SilentByte(head);
    TargetFile out;
    if (!out.create(targetPath, sourcePath)) return false;
    const int64_t data = pass.headSilence + pass.keptBytes + pass.tailSilence;
    out.reserve(head.fmtEnd() + 8 + data);
    return WriteAll(out, head.buf.data(), head.fmtEnd()) && WriteDataHeader(out) &&
           writeSilence(out, buffer.get(), size, silent, pass.headSilence) &&
           writeKept(source, out, pass, buffer.get()) &&
           writeSilence(out, buffer.get(), size, silent, pass.tailSilence) &&
           PatchSizes(out, head.fmtEnd() + 4, static_cast<uint32_t>(data)) && out.commit();
}

}  // namespace

bool ConvertInOnePass(const std::string& source, const std::string& target, const ConvertShape& shape)
{
    ProcessPendingMessages();
    bool written = false;
    try {
        WavFile in;
        OnePass pass;
        written = in.open(source, WavFile::Mode::Read) && planHead(in, source, shape, pass) &&
                  planKept(in, shape, pass) && planFades(shape, pass) && planTail(shape, pass) &&
                  writeOnePass(in, source, target, pass);
    } catch (const std::bad_alloc&) {
        written = false;
    }
    ProcessPendingMessages();
    return written;
}

void ConvertStepByStep(const std::string& source, const std::string& target, const ConvertShape& shape,
                       std::string& ErrorText)
{
    ErrorText.clear();
    if (shape.headSeconds + shape.headTenths <= 0) {
        CopyWavRange(source, target, shape.kept, ErrorText);
    } else {
        AddHeadSilence(source, target, shape.headSeconds, shape.headTenths, ErrorText);
        if (ErrorText.empty()) WavAppendRange(source, target, shape.kept, ErrorText);
    }
    if (ErrorText.empty() && (shape.fadeInSeconds > 0 || shape.fadeOutSeconds > 0))
        FadeInOut(target, ErrorText, shape.fadeInSeconds, shape.fadeOutSeconds, shape.headSeconds, shape.headTenths);
    if (ErrorText.empty() && shape.tailSeconds + shape.tailTenths > 0)
        AddTailSilence(target, shape.tailSeconds, shape.tailTenths, ErrorText);
}
