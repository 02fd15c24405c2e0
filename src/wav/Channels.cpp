#include "Channels.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <type_traits>
#include <list>

#include "BlockCopy.h"
#include "Bytes.h"
#include "CopySteps.h"
#include "TargetFile.h"
#include "WavOutput.h"

namespace {

const char* const SplitDefaultText = "WAVファイル変換に失敗しました・・・LR";
const char* const SwapDefaultText = "WAVファイルLR反転に失敗しました・・・RV";
const char* const AvgBytesText = "AvgBytesPerSecが異状です・・・LR";

// The layout of a stereo frame: two samples of `width` bytes at its start,
// frames `align` bytes apart.
struct FrameLayout {
    int64_t width;
    int64_t align;
};

// Runs a frame kernel with the sample width and the frame step as
// compile-time constants for the usual shapes (samples of 1 to 4 bytes, packed
// two to a frame), so that its loop compiles to plain loads and stores, and as
// run-time values otherwise.
template <class Kernel>
void withFrameShape(const FrameLayout& frame, Kernel&& kernel)
{
    auto packedOrNot = [&](auto width) {
        if (frame.align == 2 * width)
            kernel(width, std::integral_constant<int64_t, 2 * width>{});
        else
            kernel(width, frame.align);
    };
    switch (frame.width) {
    case 1: packedOrNot(std::integral_constant<int64_t, 1>{}); break;
    case 2: packedOrNot(std::integral_constant<int64_t, 2>{}); break;
    case 3: packedOrNot(std::integral_constant<int64_t, 3>{}); break;
    case 4: packedOrNot(std::integral_constant<int64_t, 4>{}); break;
    default: kernel(frame.width, frame.align); break;
    }
}

// Copies the left (offset 0) or right (offset width) sample of every whole
// frame of a load, in order, into `to`; returns the bytes picked. A partial
// frame at the end is dropped: the output holds whole samples only.
int64_t pickChannel(const uint8_t* from, uint8_t* to, int64_t n, const FrameLayout& frame, bool left)
{
    int64_t frames = n / frame.align;
    int64_t offset = left ? 0 : frame.width;
    withFrameShape(frame, [&](auto width, auto step) {
        for (int64_t i = 0; i < frames; ++i)
            std::memcpy(to + i * width, from + offset + i * step, static_cast<size_t>(width));
    });
    return frames * frame.width;
}

// Exchanges two samples of `width` bytes that do not overlap; a width known at
// compile time goes through registers.
template <class Width>
void exchange(uint8_t* a, uint8_t* b, Width width)
{
    if constexpr (std::is_integral_v<Width>) {
        std::swap_ranges(a, a + width, b);
    } else {
        uint8_t held[Width::value];
        std::memcpy(held, a, Width::value);
        std::memcpy(a, b, Width::value);
        std::memcpy(b, held, Width::value);
    }
}

// Exchanges the two samples at the start of every whole frame; the bytes of a
// partial frame at the end stay as they are. Returns n: every byte is written.
int64_t swapChannels(uint8_t* bytes, int64_t n, const FrameLayout& frame)
{
    int64_t frames = n / frame.align;
    withFrameShape(frame, [&](auto width, auto step) {
        for (int64_t i = 0; i < frames; ++i) {
            uint8_t* first = bytes + i * step;
            exchange(first, first + width, width);
        }
    });
    return n;
}

// What both routines ask of a source before its samples are moved: PCM data,
// two channels, a workable copy block, and frames wide enough for two whole
// samples (a malformed header must not make the pick or the swap reach
// beyond a frame).
bool checkStereoSource(const WavHead& head, const HeadTexts& texts, const CopyBuffer& buffer,
                       BlockPlan& plan, FrameLayout& frame, std::string& err)
{
    if (!CheckDataAndFormat(head, texts, err)) return false;
    if (head.channels != 2) {
        err = texts.notStereo();
        return false;
    }
    if (!PlanBlocks(head, texts, buffer.size, head.blockAlign, plan, err)) return false;
    frame = {head.bytesPerSample(), head.blockAlign};
    if (frame.align < 2 * frame.width) {
        err = texts.badSample();
        return false;
    }
    return true;
}

// The mono header. A plain PCM `fmt ` chunk is kept with channels, average
// bytes per second and block align halved. An extensible one becomes a plain
// 16-byte PCM chunk (its channel mask would still name two speakers) of one
// channel, whose block align and byte rate are those of the picked samples.
bool monoFormat(WavHead& head, const FrameLayout& frame, std::string& err)
{
    uint8_t* body = head.buf.data() + head.fmtBody;
    uint32_t avgBytesPerSec = GetU32(body + 8);
    if (avgBytesPerSec == 0) {
        err = AvgBytesText;
        return false;
    }
    if (!head.extensible) {
        PutU16(body + 2, static_cast<uint16_t>(GetU16(body + 2) / 2));
        PutU32(body + 8, avgBytesPerSec / 2);
        PutU16(body + 12, static_cast<uint16_t>(GetU16(body + 12) / 2));
        return true;
    }
    MakePlainPcmFmt(head);
    PutU16(body + 2, 1);
    PutU32(body + 8, static_cast<uint32_t>(static_cast<uint64_t>(head.sampleRate) * frame.width));
    PutU16(body + 12, static_cast<uint16_t>(frame.width));
    return true;
}

// One mono output of a separation: the channel it takes and its own error
// text, so that an output that fails leaves the others going.
struct MonoOutput {
    MonoOutput(const std::string& n, bool l, std::string& e) : name(n), left(l), err(e) {}
    const std::string& name;
    bool left;
    std::string& err;
    TargetFile file;
    int64_t written = 0;
    bool live = false;
};

// What every output shares: the source opened at its first sample byte, its
// plan and the mono head. False with the source's failure text.
bool startSplit(const std::string& sourceFileName, const HeadTexts& texts, const CopyBuffer& buffer,
                WavFile& source, WavHead& head, BlockPlan& plan, FrameLayout& frame, std::string& err)
{
    return OpenAndWalk(source, sourceFileName, WavFile::Mode::Read, texts, head, err, {.wholeFmt = true}) &&
           checkStereoSource(head, texts, buffer, plan, frame, err) &&
           CheckOutputSource(source, head, plan, head.fmtEnd(), head.dataSize / 2, texts, err) &&
           SeekToData(source, head, texts, err) && monoFormat(head, frame, err);
}

// Writes each output's channel in one pass over the source's samples. A
// failure of the source is every output's failure; a failure of one output
// is its own. Each output's text is left empty when it was written.
void splitChannels(const std::string& sourceFileName, std::list<MonoOutput>& outputs)
{
    const HeadTexts texts("LR");
    CopyBuffer buffer;
    const Buffer picked = AllocBuffer(buffer.size);
    WavFile source;
    WavHead head;
    BlockPlan plan;
    FrameLayout frame{};
    std::string err = SplitDefaultText;
    if (!startSplit(sourceFileName, texts, buffer, source, head, plan, frame, err)) {
        for (MonoOutput& out : outputs) out.err = err;
        return;
    }
    // Each output holds one sample of every whole frame.
    const int64_t monoBytes = head.fmtEnd() + 8 + head.dataSize / frame.align * frame.width;
    for (MonoOutput& out : outputs) {
        if (!CreateTarget(out.file, out.name, sourceFileName, texts, out.err, monoBytes)) continue;
        out.live = WriteTargetHead(out.file, head, head.fmtEnd());
        if (!out.live) out.err = texts.headerWriteFailed();
    }
    std::string readErr;
    ReadBlocks(source, buffer, plan, texts, readErr, [&](uint8_t* bytes, int64_t n, const char* suffix) {
        bool anyLive = false;
        for (MonoOutput& out : outputs) {
            if (!out.live) continue;
            const int64_t keep = pickChannel(bytes, picked.get(), n, frame, out.left);
            out.live = out.file.write(picked.get(), keep) == keep;
            if (!out.live) out.err = texts.writeFailed() + suffix;
            out.written += keep;
            anyLive = anyLive || out.live;
        }
        return anyLive;
    });
    for (MonoOutput& out : outputs) {
        if (!out.live) continue;
        if (!readErr.empty()) out.err = readErr;
        else if (PatchSizes(out.file, head.fmtEnd() + 4, static_cast<uint32_t>(out.written)) &&
                 CommitTarget(out.file, out.name, texts, out.err))
            out.err.clear();
    }
}

// The separation's frame: every output's text holds the default text on entry
// and keeps it when memory runs out.
void RunSplit(const std::string& sourceFileName, std::list<MonoOutput>& outputs)
{
    for (MonoOutput& out : outputs) out.err = SplitDefaultText;
    try {
        splitChannels(sourceFileName, outputs);
    } catch (const std::bad_alloc&) {
        for (MonoOutput& out : outputs) out.err = SplitDefaultText;
    }
}

bool swapFile(const std::string& sourceFileName, const std::string& targetFileName, std::string& err)
{
    const HeadTexts texts("RV");
    CopyBuffer buffer;
    WavFile source;
    WavHead head;
    if (!OpenAndWalk(source, sourceFileName, WavFile::Mode::Read, texts, head, err, {.wholeFmt = true}))
        return false;
    BlockPlan plan;
    FrameLayout frame{};
    if (!checkStereoSource(head, texts, buffer, plan, frame, err) ||
        !CheckOutputSource(source, head, plan, head.fmtEnd(), head.dataSize, texts, err))
        return false;
    // The walk left the source at its first sample byte.
    TargetFile target;
    if (!CreateTarget(target, targetFileName, sourceFileName, texts, err, head.fmtEnd() + 8 + head.dataSize))
        return false;
    if (!WriteTargetHead(target, head, head.fmtEnd())) {
        err = texts.headerWriteFailed();
        return false;
    }
    int64_t written = 0;
    auto swap = [&](uint8_t* bytes, int64_t n) { return swapChannels(bytes, n, frame); };
    if (!CopyBlocks(source, target, buffer, plan, texts, err, written, swap)) return false;
    if (!PatchSizes(target, head.fmtEnd() + 4, static_cast<uint32_t>(written))) return false;
    return CommitTarget(target, targetFileName, texts, err);
}

}  // namespace

void WavSplitChannel(const std::string& sourceFileName, const std::string& targetFileName, bool left,
                     std::string& ErrorText)
{
    std::list<MonoOutput> outputs;
    outputs.emplace_back(targetFileName, left, ErrorText);
    RunSplit(sourceFileName, outputs);
}

void WavSplitChannels(const std::string& sourceFileName, const std::string& leftFileName,
                      const std::string& rightFileName, std::string& leftError, std::string& rightError)
{
    std::list<MonoOutput> outputs;
    if (!leftFileName.empty()) outputs.emplace_back(leftFileName, true, leftError);
    if (!rightFileName.empty()) outputs.emplace_back(rightFileName, false, rightError);
    RunSplit(sourceFileName, outputs);
}

void WavSwapChannels(const std::string& sourceFileName, const std::string& targetFileName,
                     std::string& ErrorText)
{
    RunRoutine(ErrorText, SwapDefaultText,
               [&](std::string& err) { return swapFile(sourceFileName, targetFileName, err); });
}
