#include "BlockCopy.h"

#include <algorithm>

bool PlanBlocks(const WavHead& head, const HeadTexts& texts, int64_t bufSize, int64_t frameBytes,
                BlockPlan& plan, std::string& err)
{
    int32_t bytesPerSec = head.bytesPerSec();
    if (bytesPerSec <= 0) {
        err = texts.bytesPerSec();
        return false;
    }
    int64_t per40ms = BytesPer40ms(bytesPerSec);
    if (per40ms <= 0) {
        err = texts.bytesPer40ms();
        return false;
    }
    int64_t load = LoadSize(per40ms, bufSize);
    if (frameBytes > 1) load -= load % frameBytes;
    if (load <= 0) {
        err = texts.blockSize();
        return false;
    }
    if (head.bitsPerSample == 0) {
        err = texts.badSample();
        return false;
    }
    plan.load = load;
    plan.count = head.dataSize / load;
    plan.rest = head.dataSize % load;
    return true;
}

bool PlanInFile(WavFile& in, int64_t dataStart, const BlockPlan& plan, const HeadTexts& texts, std::string& err)
{
    const int64_t held = std::max<int64_t>(in.length() - dataStart, 0);
    const int64_t fullBytes = plan.count * plan.load;
    if (held >= fullBytes + plan.rest) return true;
    err = texts.readFailed() + (held < fullBytes ? "" : "_A");
    return false;
}

bool ReadBlocks(WavFile& in, const CopyBuffer& buffer, const BlockPlan& plan, const HeadTexts& texts,
                std::string& err, const LoadTaker& take)
{
    uint8_t* bytes = buffer.bytes.get();
    auto load = [&](int64_t n, const char* suffix) {
        if (in.read(bytes, n) == n) return take(bytes, n, suffix);
        err = texts.readFailed() + suffix;
        return false;
    };
    for (int64_t i = 0; i < plan.count; ++i)
        if (!load(plan.load, "")) return false;
    return plan.rest <= 0 || load(plan.rest, "_A");
}

bool CopyBlocks(WavFile& in, WavFile& out, const CopyBuffer& buffer, const BlockPlan& plan,
                const HeadTexts& texts, std::string& err, int64_t& written,
                const BlockTransform& transform)
{
    written = 0;
    return ReadBlocks(in, buffer, plan, texts, err, [&](uint8_t* bytes, int64_t n, const char* suffix) {
        const int64_t keep = transform ? transform(bytes, n) : n;
        if (out.write(bytes, keep) != keep) {
            err = texts.writeFailed() + suffix;
            return false;
        }
        written += keep;
        return true;
    });
}
