#include "SilenceTrim.h"

#include <algorithm>

#include "CopySteps.h"
#include "EngineHost.h"
#include "QuietFrames.h"

namespace {

const char* const DefaultText = "WAVファイルの無音カットに失敗しました・・・MC";
const char* const SilentOnlyText = "無音のみのファイルです・・・MC\n";
const HeadTexts Texts("MC");

// The source's frames as the scan reads them: whole frames only, in loads of
// whole 40 ms blocks that fit the work buffer.
class FrameReader {
public:
    FrameReader(WavFile& file, const WavHead& head, const CopyBuffer& buffer, int64_t loadFrames)
        : file_(file), head_(head), bytes_(buffer.bytes.get()), loadFrames_(loadFrames)
    {
    }

    // The first frame of sound in [from, end); -1 when there is none.
    bool firstSound(int64_t from, int64_t end, const QuietRule& rule, int64_t& found, std::string& err)
    {
        found = -1;
        for (int64_t at = from; at < end && found < 0; at += loadFrames_) {
            const int64_t n = std::min(loadFrames_, end - at);
            if (!read(at, n, err)) return false;
            const int64_t i = FirstSoundFrame(bytes_, n, rule);
            if (i >= 0) found = at + i;
        }
        return true;
    }

    // The last frame of sound in [from, end), read from the end backwards; -1 when there is none.
    bool lastSound(int64_t from, int64_t end, const QuietRule& rule, int64_t& found, std::string& err)
    {
        found = -1;
        for (int64_t at = end; at > from && found < 0;) {
            const int64_t n = std::min(loadFrames_, at - from);
            at -= n;
            if (!read(at, n, err)) return false;
            const int64_t i = LastSoundFrame(bytes_, n, rule);
            if (i >= 0) found = at + i;
        }
        return true;
    }

private:
    bool read(int64_t frame, int64_t frames, std::string& err)
    {
        if (!file_.seek(head_.dataStart + frame * head_.blockAlign)) {
            err = Texts.offsetOutOfRange();
            return false;
        }
        const int64_t n = frames * head_.blockAlign;
        if (file_.read(bytes_, n) != n) {
            err = Texts.readFailed();
            return false;
        }
        return true;
    }

    WavFile& file_;
    const WavHead& head_;
    uint8_t* bytes_;
    int64_t loadFrames_;
};

bool silentOnly(const std::string& path, SoundSearch& found, std::string& err)
{
    found.silentOnly = true;
    err = SilentOnlyText + path;
    return false;
}

// Scans the walked source for the part of its data the cut keeps.
bool findKept(WavFile& file, const std::string& path, const WavHead& head, SilenceCut cut,
              const SilenceLevels& levels, const CopyBuffer& buffer, SoundSearch& found, std::string& err)
{
    found = {};
    if (cut == SilenceCut::Off) return true;
    BlockPlan plan;
    if (!PlanBlocks(head, Texts, buffer.size, head.blockAlign, plan, err)) return false;
    QuietRule rule;
    if (!QuietRuleFor(head, levels, rule)) {
        err = Texts.badSample();
        return false;
    }
    FrameReader reader(file, head, buffer, plan.load / head.blockAlign);
    const int64_t frames = head.dataSize / head.blockAlign;
    int64_t first = 0;
    if (cut != SilenceCut::Tail) {
        if (!reader.firstSound(0, frames, rule, first, err)) return false;
        if (first < 0) return silentOnly(path, found, err);
    }
    int64_t end = head.dataSize;  // bytes; a cut that keeps the tail keeps a partial last frame too
    if (cut != SilenceCut::Head) {
        // Behind the first frame of sound when it is known: that frame is the last one at the least.
        const int64_t from = cut == SilenceCut::Both ? first + 1 : 0;
        int64_t last = -1;
        if (!reader.lastSound(from, frames, rule, last, err)) return false;
        if (last < 0 && cut == SilenceCut::Tail) return silentOnly(path, found, err);
        end = (std::max(last, first) + 1) * head.blockAlign;
    }
    found.kept = {first * head.blockAlign, end - first * head.blockAlign};
    return true;
}

// Opens and walks the source and finds what the cut keeps of it.
bool scanSource(WavFile& file, const std::string& path, WavHead& head, SilenceCut cut, const SilenceLevels& levels,
                const CopyBuffer& buffer, SoundSearch& found, std::string& err)
{
    return OpenAndWalk(file, path, WavFile::Mode::Read, Texts, head, err, {.wholeFmt = true}) &&
           CheckDataAndFormat(head, Texts, err) && findKept(file, path, head, cut, levels, buffer, found, err);
}

template <class Body>
void runScanRoutine(std::string& ErrorText, Body body)
{
    RunRoutine(ErrorText, DefaultText, [&](std::string& err) {
        ProcessPendingMessages();
        return body(err);
    });
    ProcessPendingMessages();
}

}  // namespace

void FindSound(const std::string& sourceFileName, SilenceCut cut, const SilenceLevels& levels,
               SoundSearch& found, std::string& ErrorText)
{
    found = {};
    runScanRoutine(ErrorText, [&](std::string& err) {
        CopyBuffer buffer;
        WavFile file;
        WavHead head;
        return scanSource(file, sourceFileName, head, cut, levels, buffer, found, err);
    });
}

void TrimSilence(const std::string& sourceFileName, const std::string& targetFileName, SilenceCut cut,
                 const SilenceLevels& levels, std::string& ErrorText)
{
    runScanRoutine(ErrorText, [&](std::string& err) {
        CopyBuffer buffer;
        WavFile file;
        WavHead head;
        SoundSearch found;
        return scanSource(file, sourceFileName, head, cut, levels, buffer, found, err) &&
               NarrowToRange(head, found.kept, Texts, err) &&
               WriteCopy(file, sourceFileName, head, targetFileName, buffer, Texts, err);
    });
}
