#include "WavCopy.h"

#include "BlockCopy.h"
#include "CopySteps.h"
#include "EngineHost.h"
#include "WavOutput.h"

namespace {

const char* const DefaultText = "WAVファイルコピーに失敗しました・・・WC2";

bool copyWav(const std::string& sourceFileName, const std::string& targetFileName, std::string& err)
{
    const HeadTexts texts("WC2");
    CopyBuffer buffer;
    WavFile source;
    WavHead head;
    if (!OpenAndWalk(source, sourceFileName, WavFile::Mode::Read, texts, head, err, {.wholeFmt = true}))
        return false;
    if (!CheckDataAndFormat(head, texts, err)) return false;
    BlockPlan plan;
    if (!PlanBlocks(head, texts, buffer.size, 1, plan, err)) return false;
    if (!SeekToData(source, head, texts, err)) return false;
    TargetFile target;
    if (!CreateTarget(target, targetFileName, sourceFileName, texts, err)) return false;
    if (!WriteTargetHead(target, head, head.fmtEnd())) {
        err = texts.headerWriteFailed();
        return false;
    }
    int64_t written = 0;
    if (!CopyBlocks(source, target, buffer, plan, texts, err, written)) return false;
    // A failed patch leaves the default text.
    if (!PatchSizes(target, head.fmtEnd() + 4, static_cast<uint32_t>(written))) return false;
    return CommitTarget(target, targetFileName, texts, err);
}

}  // namespace

void CopyWav(const std::string& sourceFileName, const std::string& targetFileName, std::string& ErrorText)
{
    RunRoutine(ErrorText, DefaultText, [&](std::string& err) {
        ProcessPendingMessages();
        return copyWav(sourceFileName, targetFileName, err);
    });
    ProcessPendingMessages();
}
