#include "WavCopy.h"

#include "CopySteps.h"
#include "EngineHost.h"

namespace {

const char* const DefaultText = "WAVファイルコピーに失敗しました・・・WC2";

bool copyWav(const std::string& sourceFileName, const std::string& targetFileName, const DataRange& range,
             std::string& err)
{
    const HeadTexts texts("WC2");
    CopyBuffer buffer;
    WavFile source;
    WavHead head;
    if (!OpenAndWalk(source, sourceFileName, WavFile::Mode::Read, texts, head, err, {.wholeFmt = true}))
        return false;
    if (!CheckDataAndFormat(head, texts, err)) return false;
    if (!NarrowToRange(head, range, texts, err)) return false;
    return WriteCopy(source, sourceFileName, head, targetFileName, buffer, texts, err);
}

}  // namespace

void CopyWavRange(const std::string& sourceFileName, const std::string& targetFileName, const DataRange& range,
                  std::string& ErrorText)
{
    RunRoutine(ErrorText, DefaultText, [&](std::string& err) {
        ProcessPendingMessages();
        return copyWav(sourceFileName, targetFileName, range, err);
    });
    ProcessPendingMessages();
}

void CopyWav(const std::string& sourceFileName, const std::string& targetFileName, std::string& ErrorText)
{
    CopyWavRange(sourceFileName, targetFileName, DataRange{}, ErrorText);
}
