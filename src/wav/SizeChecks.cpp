#include "SizeChecks.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <new>
#include <system_error>

#include "Drives.h"
#include "EngineHost.h"
#include "RoutineFrame.h"
#include "SafeCount.h"
#include "WavInfo.h"
#include "WorkBuffers.h"
#include "YeNADDCUT.h"

namespace {

const std::string SmallBufferNotice = "バッファが十分に取れなかったので\nスモールサイズに強制変更します☆☆☆_BC";
const std::string NoBufferNotice = "バッファが十分に取れませんでした・・・_BC";
const std::string SizeCheckSuffix = "_WSC";
const std::string NothingToWriteText = "データサイズが0です・・・WSC";
const std::string Beyond4GText = "WAVファイルサイズが、4Gバイトを超えてしまいます・・・WSC";
const std::string Beyond2GWarning = "警告:WAVファイルサイズが、2Gバイトを超えます・・・WSC";
const std::string Beyond2GStopped = "中断:WAVファイルサイズが、2Gバイトを超えます・・・WSC";
const std::string DriveFullText = ":ドライブの空きサイズが足りません・・・";
const std::string FreeSizeLabel = "空きサイズ:";
const std::string MadeSizeLabel = "作成サイズ:";
// What the caller sees when the check itself could not be made.
const std::string SizeCheckDefaultText = "WAVファイルデータ取得に失敗しました・・・GW" + SizeCheckSuffix;

constexpr int64_t Max31 = 2147483647;  // 2^31 - 1
constexpr int64_t DriveReserve = 4096;  // kept free beyond the estimate
constexpr int OkAnswer = 1;

int AskHost(const std::function<int(const std::string&, int)>& box, const std::string& text)
{
    return box ? box(text, OkAnswer) : OkAnswer;
}

// Tries to have a block of n bytes for a moment.
bool CanAllocate(int64_t n)
{
    Buffer block;
    try {
        block = AllocBuffer(n);
    } catch (const std::bad_alloc&) {
        return false;
    }
    ProcessPendingMessages();
    block.reset();
    ProcessPendingMessages();
    return true;
}

bool ChooseWorkBuffer()
{
    if (CanAllocate(WorkBufSize)) return true;
    if (CanAllocate(SmallBufSize)) {
        WorkBufSize = SmallBufSize;
        AskHost(engineHost().infoTM, SmallBufferNotice);
        return true;
    }
    AskHost(engineHost().infoTM, NoBufferNotice);
    return false;
}

// The silence of both ends, the tenths summed and rounded up to whole seconds
// so that the estimate never falls short of what the silence routines write.
// Those write nothing for negative lengths, so these count as 0 here too.
int64_t AddedBytes(int64_t headSeconds, int64_t headTenths, int64_t tailSeconds, int64_t tailTenths,
                   int64_t bytesPerSec)
{
    const auto count = [](int64_t v) { return std::max<int64_t>(v, 0); };
    const int64_t tenthSeconds = CountAdd(CountAdd(count(headTenths), count(tailTenths)), 9) / 10;
    const int64_t seconds = CountAdd(CountAdd(tenthSeconds, count(headSeconds)), count(tailSeconds));
    return CountMul(seconds, count(bytesPerSec));
}

// Bytes per second as the silence routines count them: the 64-bit product of
// the sample rate (an unsigned 32-bit field) and the block align. WavInfo's own
// figure is cut to 32 bits and can be far smaller than what they write.
int64_t SilenceBytesPerSec(const WavInfoRecord& info)
{
    return CountMul(static_cast<uint32_t>(info.SampleRate), std::max<int64_t>(info.BlockAlign, 0));
}

// The drive of a relative target is that of the current folder.
std::string AbsoluteTarget(const std::string& target)
{
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(target, ec);
    return ec ? target : full.string();
}

// "/" for the root volume, "/media/usb" for a volume mounted there.
std::string DriveFullMessage(const std::string& drive, int64_t freeBytes, int64_t estimate)
{
    return YenCut(drive) + DriveFullText + "\n" + "\n" + FreeSizeLabel + std::to_string(freeBytes) + "\n" +
           MadeSizeLabel + std::to_string(estimate);
}

bool OutputFits(const std::string& source, const std::string& target, std::string& err,
                int64_t headSeconds, int64_t headTenths, int64_t tailSeconds, int64_t tailTenths)
{
    int64_t base = 0;
    if (!source.empty()) {
        GetWavInfo(source, err);
        if (!err.empty()) {
            err += SizeCheckSuffix;
            return false;
        }
        base = WavInfo.DataEnd;
    }
    if (base <= 0) {
        err = NothingToWriteText;
        return false;
    }
    const int64_t estimate =
        CountAdd(base, AddedBytes(headSeconds, headTenths, tailSeconds, tailTenths, SilenceBytesPerSec(WavInfo)));
    if (estimate > MaxSizeField) {
        err = Beyond4GText;
        return false;
    }
    if (estimate > Max31 && AskHost(engineHost().error, Beyond2GWarning) != OkAnswer) {
        err = Beyond2GStopped;
        return false;
    }
    if (!target.empty()) {
        const std::string drive = DriveOfPath(AbsoluteTarget(target));
        const int64_t freeBytes = DriveFreeSize(drive);
        if (estimate + DriveReserve > freeBytes) {
            err = DriveFullMessage(drive, freeBytes, estimate);
            return false;
        }
    }
    return true;
}

}  // namespace

bool CheckWorkBuffer()
{
    try {
        return ChooseWorkBuffer();
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void CheckOutputSize(const std::string& sourceFileName, const std::string& targetFileName,
                     std::string& ErrorText, int64_t headSeconds, int64_t headTenths,
                     int64_t tailSeconds, int64_t tailTenths)
{
    RunRoutine(ErrorText, SizeCheckDefaultText, [&](std::string& err) {
        return OutputFits(sourceFileName, targetFileName, err, headSeconds, headTenths, tailSeconds, tailTenths);
    });
}
