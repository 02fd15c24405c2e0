#include "CopySteps.h"

#include "SafeCount.h"
#include "WavOutput.h"

bool OpenAndWalk(WavFile& file, const std::string& path, WavFile::Mode mode, const HeadTexts& texts,
                 WavHead& head, std::string& err, WalkOptions options)
{
    if (!file.open(path, mode)) {
        err = texts.openFailed(path);
        return false;
    }
    return ReadWavHead(file, path, texts, head, err, options);
}

bool SeekToData(WavFile& source, const WavHead& head, const HeadTexts& texts, std::string& err)
{
    if (source.seek(head.dataStart)) return true;
    err = texts.offsetOutOfRange();
    return false;
}

bool CreateTarget(TargetFile& out, const std::string& path, const std::string& sourcePath,
                  const HeadTexts& texts, std::string& err, int64_t bytes)
{
    if (out.create(path, sourcePath)) {
        out.reserve(bytes);
        return true;
    }
    err = texts.createFailed(path);
    return false;
}

bool CommitTarget(TargetFile& out, const std::string& path, const HeadTexts& texts, std::string& err)
{
    if (out.commit()) return true;
    err = texts.createFailed(path);
    return false;
}

bool CheckOutputSource(WavFile& source, const WavHead& head, const BlockPlan& plan, int64_t outFmtEnd,
                       int64_t outDataBytes, const HeadTexts& texts, std::string& err)
{
    if (!PlanInFile(source, head.dataStart, plan, texts, err)) return false;
    if (FitsSizeFields(outFmtEnd, outDataBytes)) return true;
    err = texts.blockSize();
    return false;
}

bool WriteTargetHead(WavFile& out, const WavHead& head, int64_t headBytes)
{
    return WriteAll(out, head.buf.data(), headBytes) && WriteDataHeader(out);
}

bool NarrowToRange(WavHead& head, const DataRange& range, const HeadTexts& texts, std::string& err)
{
    const int64_t size = range.size < 0 && range.offset >= 0 ? head.dataSize - range.offset : range.size;
    if (range.offset < 0 || size < 1 || CountAdd(range.offset, size) > head.dataSize) {
        err = texts.offsetOutOfRange();
        return false;
    }
    head.dataStart += range.offset;
    head.dataSize = static_cast<uint32_t>(size);
    return true;
}

bool WriteCopy(WavFile& source, const std::string& sourcePath, const WavHead& head, const std::string& targetPath,
               const CopyBuffer& buffer, const HeadTexts& texts, std::string& err)
{
    BlockPlan plan;
    if (!PlanBlocks(head, texts, buffer.size, 1, plan, err) ||
        !CheckOutputSource(source, head, plan, head.fmtEnd(), head.dataSize, texts, err) ||
        !SeekToData(source, head, texts, err))
        return false;
    TargetFile target;
    if (!CreateTarget(target, targetPath, sourcePath, texts, err, head.fmtEnd() + 8 + head.dataSize)) return false;
    if (!WriteTargetHead(target, head, head.fmtEnd())) {
        err = texts.headerWriteFailed();
        return false;
    }
    int64_t written = 0;
    if (!CopyBlocks(source, target, buffer, plan, texts, err, written)) return false;
    // A failed patch leaves the default text.
    if (!PatchSizes(target, head.fmtEnd() + 4, static_cast<uint32_t>(written))) return false;
    return CommitTarget(target, targetPath, texts, err);
}
