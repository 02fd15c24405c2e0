#include "WavAppend.h"

#include "BlockCopy.h"
#include "CopySteps.h"
#include "InPlaceGrowth.h"
#include "WavOutput.h"

namespace {

const char* const DefaultText = "結合に失敗しました・・・K";
const char* const TargetSizeText = "WAVファイルサイズに不正があります・・・K\n";
const char* const FormatsDifferText = "WAVフォーマットが違います・・・KD\n";
const char* const SourceSeekText = "WAVファイルの読み出しに失敗しましたS・・・KD";
const char* const FmtBehindDataText = "WAVフォーマットがデータエリアの後ろにあるため結合できません・・・K\n";

// The target's checks end in "K", the source's in "KD".
const HeadTexts TargetTexts("K");
const HeadTexts SourceTexts("KD");

// Reads a file's head and makes sure it holds PCM samples.
bool readPcmHead(WavFile& file, const std::string& path, WavFile::Mode mode, const HeadTexts& texts,
                 WavHead& head, std::string& err)
{
    return OpenAndWalk(file, path, mode, texts, head, err) && CheckDataAndFormat(head, texts, err);
}

// Only the source's whole frames are joined: a partial frame would shift
// every sample behind it. Less than one frame is no data.
bool keepWholeFrames(WavHead& source, std::string& err)
{
    source.dataSize = static_cast<uint32_t>(source.wholeFrameBytes());
    if (source.dataSize > 0) return true;
    err = SourceTexts.noData();
    return false;
}

// The appended samples overwrite whatever follows the data chunk, never a `fmt ` chunk.
bool checkFmtBeforeData(const WavHead& head, const std::string& path, std::string& err)
{
    if (FmtBeforeData(head)) return true;
    err = FmtBehindDataText + path;
    return false;
}

// Leaves the target standing at the end of its data and tells its length.
bool standAtDataEnd(WavFile& target, const WavHead& head, const std::string& path, int64_t& length,
                    std::string& err)
{
    length = target.seekEnd();
    if (length < head.dataEnd()) {
        err = TargetSizeText + path;
        return false;
    }
    return length == head.dataEnd() || target.seek(head.dataEnd());  // a failed seek: default text
}

std::string formatLines(const std::string& path, const WavHead& head)
{
    return path + "\n" + std::to_string(head.sampleRate) + "\n" + std::to_string(head.channels) + "\n" +
           std::to_string(head.blockAlign);
}

bool sameFormat(const WavHead& target, const std::string& targetPath, const WavHead& source,
                const std::string& sourcePath, std::string& err)
{
    if (source.sampleRate == target.sampleRate && source.blockAlign == target.blockAlign &&
        source.channels == target.channels)
        return true;
    err = FormatsDifferText + formatLines(targetPath, target) + "\n" + formatLines(sourcePath, source);
    return false;
}

// Copies the source's samples behind the target's data and patches both size fields.
bool appendData(WavFile& source, WavFile& target, const CopyBuffer& buffer, const BlockPlan& plan,
                const WavHead& targetHead, int64_t newDataSize, int64_t riffSize, std::string& err)
{
    int64_t written = 0;
    if (!CopyBlocks(source, target, buffer, plan, SourceTexts, err, written)) return false;
    if (!WriteU32At(target, targetHead.dataHeader + 4, static_cast<uint32_t>(newDataSize)) ||
        !WriteU32At(target, 4, static_cast<uint32_t>(riffSize))) {
        err = TargetTexts.headerWriteFailed() + "_D";
        return false;
    }
    return true;
}

bool wavAppend(const std::string& sourceFileName, const std::string& targetFileName, const DataRange& range,
               std::string& err)
{
    CopyBuffer buffer;
    WavFile target;
    WavHead targetHead;
    int64_t targetLength = 0;
    if (!readPcmHead(target, targetFileName, WavFile::Mode::ReadWrite, TargetTexts, targetHead, err) ||
        !checkFmtBeforeData(targetHead, targetFileName, err) ||
        !standAtDataEnd(target, targetHead, targetFileName, targetLength, err))
        return false;

    // The target itself, under any name, cannot be read while it grows.
    if (SameFile(sourceFileName, targetFileName)) {
        err = SourceTexts.openFailed(sourceFileName);
        return false;
    }
    WavFile source;
    WavHead sourceHead;
    if (!readPcmHead(source, sourceFileName, WavFile::Mode::Read, SourceTexts, sourceHead, err) ||
        !NarrowToRange(sourceHead, range, SourceTexts, err) || !keepWholeFrames(sourceHead, err))
        return false;
    if (!sameFormat(targetHead, targetFileName, sourceHead, sourceFileName, err)) return false;
    if (!source.seek(sourceHead.dataStart) || source.position() != sourceHead.dataStart) {
        err = SourceSeekText;
        return false;
    }
    BlockPlan plan;
    if (!PlanBlocks(sourceHead, SourceTexts, buffer.size, 1, plan, err) ||
        !PlanInFile(source, sourceHead.dataStart, plan, SourceTexts, err))
        return false;

    // The samples go on from the end of the target's last whole frame, so
    // that a partial frame there is written over and every joined file
    // starts on a frame. The joined data must still be described by 32-bit
    // size fields.
    const int64_t writeFrom = targetHead.dataStart + targetHead.wholeFrameBytes();
    const int64_t newDataSize = targetHead.wholeFrameBytes() + sourceHead.dataSize;
    const int64_t riffSize = targetHead.dataStart + newDataSize - 8;
    if (riffSize > MaxSizeField) {
        err = TargetSizeText + targetFileName;
        return false;
    }

    // From here on a failure puts the target back as it was.
    InPlaceGrowth growth(target, targetFileName, targetHead, targetLength, writeFrom);
    bool appended = false;
    if (!growth.begin(sourceHead.dataSize))
        err = TargetTexts.writeFailed();
    else
        appended = appendData(source, target, buffer, plan, targetHead, newDataSize, riffSize, err);
    return growth.end(appended, TargetTexts.code(), err);
}

}  // namespace

void WavAppendRange(const std::string& sourceFileName, const std::string& targetFileName, const DataRange& range,
                    std::string& ErrorText)
{
    RunRoutine(ErrorText, DefaultText,
               [&](std::string& err) { return wavAppend(sourceFileName, targetFileName, range, err); });
}

void WavAppend(const std::string& sourceFileName, const std::string& targetFileName, std::string& ErrorText)
{
    WavAppendRange(sourceFileName, targetFileName, DataRange{}, ErrorText);
}
