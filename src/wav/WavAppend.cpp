#include "WavAppend.h"

#include "BlockCopy.h"
#include "CopySteps.h"
#include "WavOutput.h"

namespace {

const char* const DefaultText = "結合に失敗しました・・・K";
const char* const TargetSizeText = "WAVファイルサイズに不正があります・・・K\n";
const char* const FormatsDifferText = "WAVフォーマットが違います・・・KD\n";
const char* const SourceSeekText = "WAVファイルの読み出しに失敗しましたS・・・KD";

// The largest RIFF size a 32-bit size field can hold.
constexpr int64_t MaxRiffSize = 0xFFFFFFFFLL;

// Reads a file's head and makes sure it holds PCM samples.
bool readPcmHead(WavFile& file, const std::string& path, WavFile::Mode mode, const HeadTexts& texts,
                 WavHead& head, std::string& err)
{
    return OpenAndWalk(file, path, mode, texts, head, err) && CheckDataAndFormat(head, texts, err);
}

// Leaves the target standing at the end of its data; whatever follows the
// data chunk is overwritten by the appended samples.
bool standAtDataEnd(WavFile& target, const WavHead& head, const std::string& path, std::string& err)
{
    int64_t length = target.seekEnd();
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

bool wavAppend(const std::string& sourceFileName, const std::string& targetFileName, std::string& err)
{
    const HeadTexts targetTexts("K");
    const HeadTexts sourceTexts("KD");
    CopyBuffer buffer;
    WavFile target;
    WavHead targetHead;
    if (!readPcmHead(target, targetFileName, WavFile::Mode::ReadWrite, targetTexts, targetHead, err))
        return false;
    if (!standAtDataEnd(target, targetHead, targetFileName, err)) return false;

    WavFile source;
    WavHead sourceHead;
    if (!readPcmHead(source, sourceFileName, WavFile::Mode::Read, sourceTexts, sourceHead, err))
        return false;
    if (!sameFormat(targetHead, targetFileName, sourceHead, sourceFileName, err)) return false;
    if (!source.seek(sourceHead.dataStart) || source.position() != sourceHead.dataStart) {
        err = SourceSeekText;
        return false;
    }
    BlockPlan plan;
    if (!PlanBlocks(sourceHead, sourceTexts, buffer.size, 1, plan, err)) return false;

    // The joined data must still be described by 32-bit size fields.
    int64_t newDataSize = static_cast<int64_t>(targetHead.dataSize) + sourceHead.dataSize;
    int64_t riffSize = targetHead.dataStart + newDataSize - 8;
    if (riffSize > MaxRiffSize) {
        err = TargetSizeText + targetFileName;
        return false;
    }

    int64_t written = 0;
    if (!CopyBlocks(source, target, buffer, plan, sourceTexts, err, written)) return false;
    if (!WriteU32At(target, targetHead.dataHeader + 4, static_cast<uint32_t>(newDataSize)) ||
        !WriteU32At(target, 4, static_cast<uint32_t>(riffSize))) {
        err = targetTexts.headerWriteFailed() + "_D";
        return false;
    }
    return true;
}

}  // namespace

void WavAppend(const std::string& sourceFileName, const std::string& targetFileName, std::string& ErrorText)
{
    RunRoutine(ErrorText, DefaultText,
               [&](std::string& err) { return wavAppend(sourceFileName, targetFileName, err); });
}
