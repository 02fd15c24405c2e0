#include "Fade.h"

#include <algorithm>
#include <new>

#include "EngineHost.h"
#include "RoutineFrame.h"
#include "FadeSteps.h"
#include "Silence.h"
#include "WavHead.h"
#include "WavOutput.h"
#include "WorkBuffers.h"

namespace {

const std::string FadeDefaultText = "WAVファイル変換に失敗しました・・・F ";
const std::string OffsetOutText = "オフセットが範囲外です・・・";
const std::string LoadReadText = "読み込みに失敗しました・・・";
const std::string SeekBackText = "読み込みに失敗しました2・・・";
const std::string LoadWriteText = "書き込みに失敗しました・・・";

// One fade region of the data and the texts of its failures ("F_IN", "F_OUT").
struct FadeRegion {
    int64_t start = 0;
    int64_t bytes = 0;
    int64_t seconds = 0;
    bool rising = true;
    std::string tag;
};

// Reads one load, scales it and writes it back in its place.
bool FadeLoad(WavFile& file, FadeCourse& course, uint8_t* bytes, int64_t n, const std::string& tag,
              std::string& err)
{
    if (file.read(bytes, n) != n) {
        err = LoadReadText + tag;
        return false;
    }
    if (!file.seekBy(-n)) {
        err = SeekBackText + tag;
        return false;
    }
    course.scale(bytes, n);
    if (!WriteAll(file, bytes, n)) {
        err = LoadWriteText + tag;
        return false;
    }
    return true;
}

bool FadeRegionInPlace(WavFile& file, const FadeRegion& region, const FadeFormat& format, uint8_t* bytes,
                       int64_t load, std::string& err)
{
    if (!file.seek(region.start) || file.position() != region.start) {
        err = OffsetOutText + region.tag;
        return false;
    }
    if (region.seconds <= 0) return true;
    FadeCourse course(format, region.seconds * 100, region.rising);
    for (int64_t i = 0; i < region.bytes / load; ++i)
        if (!FadeLoad(file, course, bytes, load, region.tag, err)) return false;
    const int64_t rest = region.bytes % load;
    return rest == 0 || FadeLoad(file, course, bytes, rest, region.tag + "_A", err);
}

// Every byte a fade rewrites must be in the file. A file that ends inside a
// fade region is refused before any byte changes, with the text the first
// short read of that region would give.
bool RegionInFile(const FadeRegion& region, int64_t length, int64_t load, std::string& err)
{
    if (region.seconds <= 0 || region.start + region.bytes <= length) return true;
    const int64_t shortLoad = std::max<int64_t>(length - region.start, 0) / load;
    err = LoadReadText + region.tag + (shortLoad < region.bytes / load ? "" : "_A");
    return false;
}

bool FadeFile(const std::string& fileName, int64_t fadeInSeconds, int64_t fadeOutSeconds, int64_t headSeconds,
              int64_t headTenths, const Buffer& work, int64_t workSize, std::string& err)
{
    const HeadTexts texts("F");
    WavFile file;
    if (!file.open(fileName, WavFile::Mode::ReadWrite)) {
        err = texts.openFailed(fileName);
        return false;
    }
    WavHead head;
    if (!ReadWavHead(file, fileName, texts, head, err) || !CheckDataAndFormat(head, texts, err)) return false;
    const int64_t bytesPerSec = static_cast<int64_t>(head.sampleRate) * head.blockAlign;
    if (bytesPerSec <= 0) {
        err = texts.bytesPerSec();
        return false;
    }
    // The fade-in begins behind the head silence that stands at the front;
    // the fade-out ends with the last whole frame, so that its steps scale
    // whole samples even when a partial frame follows.
    const int64_t dataSize = head.wholeFrameBytes();
    const int64_t skip = std::min(SilenceBytes(head.sampleRate, head.blockAlign, headSeconds, headTenths), dataSize);
    const FadeLengths fades = ClipFades(fadeInSeconds, fadeOutSeconds, (dataSize - skip) / bytesPerSec);

    const int64_t per40ms = BytesPer40ms(bytesPerSec);
    const int64_t load = LoadSize(per40ms, workSize);
    if (per40ms < 1) {
        err = texts.bytesPer40ms();
        return false;
    }
    if (load <= 0) {
        err = texts.blockSize();
        return false;
    }
    if (head.bitsPerSample == 0) {
        err = texts.badSample();
        return false;
    }
    const FadeFormat format = FadeFormatOf(head, bytesPerSec);
    const int64_t outBytes = fades.out * bytesPerSec;
    const FadeRegion in{head.dataStart + skip, fades.in * bytesPerSec, fades.in, true, "F_IN"};
    const FadeRegion out{head.dataStart + dataSize - outBytes, outBytes, fades.out, false, "F_OUT"};
    const int64_t length = file.seekEnd();
    return RegionInFile(in, length, load, err) && RegionInFile(out, length, load, err) &&
           FadeRegionInPlace(file, in, format, work.get(), load, err) &&
           FadeRegionInPlace(file, out, format, work.get(), load, err);
}

}  // namespace

void FadeInOut(const std::string& fileName, std::string& ErrorText, int64_t fadeInSeconds, int64_t fadeOutSeconds,
               int64_t headSeconds, int64_t headTenths)
{
    const std::string defaultText =
        FadeDefaultText + std::to_string(fadeInSeconds) + "/" + std::to_string(fadeOutSeconds);
    RunRoutine(ErrorText, defaultText, [&](std::string& err) {
        ProcessPendingMessages();
        const int64_t workSize = WorkBufSize;
        const Buffer work = AllocBuffer(workSize);
        return FadeFile(fileName, fadeInSeconds, fadeOutSeconds, headSeconds, headTenths, work, workSize, err);
    });
    ProcessPendingMessages();
}
