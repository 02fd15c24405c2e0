#include "Fmt16.h"

#include "BlockCopy.h"
#include "Bytes.h"
#include "CopySteps.h"
#include "WavOutput.h"

namespace {

const char* const DefaultText = "fmtヘッダー 18>>16変換に失敗しました・・・FC";
const char* const AlreadyShortText = "fmt 16バイト、変換不要・・・FC";
const char* const NotEighteenText = "fmt 18バイトではない、変換出来ません・・・FC";
const char* const ExtensionText = "拡張情報サイズが、0では無いので変換できません・・・FC";
const char* const FmtWriteText = "WAVファイルの書き出しに失敗しました・・・1FC";

constexpr int64_t PcmFmtBytes = 16;

// Data present, then either an extensible PCM chunk, or an 18-byte `fmt `
// chunk with an empty extension and PCM: checked in that order. An extensible
// chunk of another sub-format holds no PCM samples.
bool checkNormalisable(const WavHead& head, const HeadTexts& texts, std::string& err)
{
    if (!HasSound(head)) {
        err = texts.noData();
        return false;
    }
    if (head.extensible) {
        if (head.pcm) return true;
        err = texts.compressed();
        return false;
    }
    if (head.fmtSize == 16) {
        err = AlreadyShortText;
        return false;
    }
    if (head.fmtSize != 18) {
        err = NotEighteenText;
        return false;
    }
    if (GetU16(head.buf.data() + head.fmtBody + PcmFmtBytes) != 0) {
        err = ExtensionText;
        return false;
    }
    if (head.formatTag != 1) {
        err = texts.compressed();
        return false;
    }
    return true;
}

bool fmt18To16(const std::string& sourceFileName, const std::string& targetFileName, std::string& err)
{
    const HeadTexts texts("FC");
    CopyBuffer buffer;
    WavFile source;
    WavHead head;
    if (!OpenAndWalk(source, sourceFileName, WavFile::Mode::Read, texts, head, err, {.wholeFmt = true}))
        return false;
    if (!checkNormalisable(head, texts, err)) return false;
    BlockPlan plan;
    if (!PlanBlocks(head, texts, buffer.size, 1, plan, err)) return false;
    // The head up to the end of a plain PCM format: the extension is dropped.
    MakePlainPcmFmt(head);
    const int64_t fmtEnd = head.fmtEnd();
    if (!CheckOutputSource(source, head, plan, fmtEnd, head.dataSize, texts, err) ||
        !SeekToData(source, head, texts, err))
        return false;
    TargetFile target;
    if (!CreateTarget(target, targetFileName, sourceFileName, texts, err, fmtEnd + 8 + head.dataSize)) return false;
    if (!WriteAll(target, head.buf.data(), fmtEnd)) {
        err = FmtWriteText;
        return false;
    }
    if (!WriteDataHeader(target)) {
        err = texts.headerWriteFailed();
        return false;
    }
    int64_t written = 0;
    if (!CopyBlocks(source, target, buffer, plan, texts, err, written)) return false;
    if (!PatchSizes(target, fmtEnd + 4, static_cast<uint32_t>(written))) return false;
    return CommitTarget(target, targetFileName, texts, err);
}

}  // namespace

void WavFmt18To16(const std::string& sourceFileName, const std::string& targetFileName,
                  std::string& ErrorText)
{
    RunRoutine(ErrorText, DefaultText,
               [&](std::string& err) { return fmt18To16(sourceFileName, targetFileName, err); });
}
