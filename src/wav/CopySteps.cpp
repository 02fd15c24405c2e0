#include "CopySteps.h"

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
                  const HeadTexts& texts, std::string& err)
{
    if (out.create(path, sourcePath)) return true;
    err = texts.createFailed(path);
    return false;
}

bool CommitTarget(TargetFile& out, const std::string& path, const HeadTexts& texts, std::string& err)
{
    if (out.commit()) return true;
    err = texts.createFailed(path);
    return false;
}

bool WriteTargetHead(WavFile& out, const WavHead& head, int64_t headBytes)
{
    return WriteAll(out, head.buf.data(), headBytes) && WriteDataHeader(out);
}
