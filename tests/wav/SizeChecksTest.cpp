// The work-buffer check and the output-size estimate of a conversion.
#include "EngineTest.h"
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "EngineHost.h"
#include "SizeChecks.h"
#include "TestWav.h"
#include "WavFile.h"
#include "WorkBuffers.h"

namespace {

const std::string SmallBufferNotice = "バッファが十分に取れなかったので\nスモールサイズに強制変更します☆☆☆_BC";
const std::string NoBufferNotice = "バッファが十分に取れませんでした・・・_BC";
const std::string NothingToWrite = "データサイズが0です・・・WSC";
const std::string Beyond4G = "WAVファイルサイズが、4Gバイトを超えてしまいます・・・WSC";
const std::string Beyond2GWarning = "警告:WAVファイルサイズが、2Gバイトを超えます・・・WSC";
const std::string Beyond2GStopped = "中断:WAVファイルサイズが、2Gバイトを超えます・・・WSC";
const std::string DriveFull = ":ドライブの空きサイズが足りません・・・";
const std::string FreeSize = "空きサイズ:";
const std::string MadeSize = "作成サイズ:";
const std::string NoDataGW = "データがありません・・・GW";
const std::string Suffix = "_WSC";
const std::string OpenFailed = "WAVファイルの読み出しに失敗しましたOP・・・";

constexpr int64_t CdBytesPerSec = 176400;

struct Box {
    std::string text;
    int defaultAnswer;
    bool operator==(const Box&) const = default;
};

class SizeChecksTest : public EngineTest {
protected:
    void SetUp() override
    {
        engineHost().infoTM = [this](const std::string& text, int def) {
            notices.push_back({text, def});
            return def;
        };
        engineHost().error = [this](const std::string& text, int def) {
            errors.push_back({text, def});
            return errorAnswer;
        };
        engineHost().processPendingMessages = [this] { ++pending; };
    }
    // A CD-audio source whose data end (data offset + data size field) is dataEnd.
    std::string source(int64_t dataEnd)
    {
        WavSpec cd;
        cd.data = NoiseBytes(400);
        cd.dataSizeField = dataEnd - 44;
        return dir.write("in.wav", cd.build());
    }

    std::string check(const std::string& src, const std::string& target, int64_t headSeconds, int64_t headTenths,
                      int64_t tailSeconds, int64_t tailTenths)
    {
        std::string err = "unchanged";
        CheckOutputSize(src, target, err, headSeconds, headTenths, tailSeconds, tailTenths);
        return err;
    }

    TempDir dir;
    std::vector<Box> notices, errors;
    int errorAnswer = 1;
    int pending = 0;
};

// --- CheckWorkBuffer -----------------------------------------------------------

TEST_F(SizeChecksTest, TheWorkBufferIsTriedAndFreedQuietly)
{
    EXPECT_TRUE(CheckWorkBuffer());
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(WorkBufSize, 655360);
    EXPECT_EQ(pending, 2);
}

TEST_F(SizeChecksTest, WithoutRoomFor640KibTheSmallSizeIsTakenAndToldOnce)
{
    BufferFaults::failAbove = 655359;
    EXPECT_TRUE(CheckWorkBuffer());
    EXPECT_EQ(WorkBufSize, 32768);
    EXPECT_EQ(notices, (std::vector<Box>{{SmallBufferNotice, 1}}));
    // Later batches of the run try the small size first and say nothing.
    EXPECT_TRUE(CheckWorkBuffer());
    EXPECT_TRUE(CheckWorkBuffer());
    EXPECT_EQ(notices.size(), 1u);
}

TEST_F(SizeChecksTest, WithoutRoomForEitherTheBatchMayNotRun)
{
    BufferFaults::failAbove = 1000;
    EXPECT_FALSE(CheckWorkBuffer());
    EXPECT_EQ(WorkBufSize, 655360);
    EXPECT_EQ(notices, (std::vector<Box>{{NoBufferNotice, 1}}));
}

// --- CheckOutputSize -----------------------------------------------------------

TEST_F(SizeChecksTest, ARefusedSourceGivesItsReadingTextWithTheSuffix)
{
    WavSpec empty;
    empty.data = NoiseBytes(10);
    empty.dataSizeField = 0;
    const std::string src = dir.write("empty.wav", empty.build());
    EXPECT_EQ(check(src, dir.file("out.wav"), 0, 0, 0, 0), NoDataGW + Suffix);
    EXPECT_EQ(check(dir.file("missing.wav"), dir.file("out.wav"), 0, 0, 0, 0), OpenFailed + "GW" + Suffix);
    EXPECT_EQ(check("", dir.file("out.wav"), 1, 0, 0, 0), NothingToWrite);
}

TEST_F(SizeChecksTest, TenthsOfBothEndsAreRoundedUpToWholeSeconds)
{
    // One second more than the data reaches 2^31 and brings the question.
    const std::string src = source(2147483648LL - CdBytesPerSec);
    struct Case {
        int64_t hs, ht, ts, tt;
        bool asked;
    };
    const Case cases[] = {
        {0, 0, 0, 0, false},
        {0, 5, 0, 5, true},   // (5 + 5 + 9) div 10 = 1
        {0, 1, 0, 1, true},   // (1 + 1 + 9) div 10 = 1
        {0, 10, 0, 0, true},
        {1, 0, 0, 0, true},
        {0, 0, 1, 0, true},
        // The silence routines write nothing for negative lengths, and the
        // estimate must not fall short of what they do write.
        {1, 0, -1, 0, true},
        {0, -5, 0, 5, true},
    };
    for (const Case& c : cases) {
        errors.clear();
        EXPECT_EQ(check(src, "", c.hs, c.ht, c.ts, c.tt), "");
        EXPECT_EQ(errors.size(), c.asked ? 1u : 0u) << c.hs << "." << c.ht << " / " << c.ts << "." << c.tt;
    }
}

TEST_F(SizeChecksTest, ExactlyFourGibMinusOneIsAskedAboutAndMayBeDeclined)
{
    const std::string src = source(4294967295LL);
    EXPECT_EQ(check(src, "", 0, 0, 0, 0), "");
    EXPECT_EQ(errors, (std::vector<Box>{{Beyond2GWarning, 1}}));
    errorAnswer = 3;
    EXPECT_EQ(check(src, "", 0, 0, 0, 0), Beyond2GStopped);
}

TEST_F(SizeChecksTest, BeyondFourGibIsRefusedWithoutAQuestion)
{
    EXPECT_EQ(check(source(4294967295LL), "", 0, 1, 0, 0), Beyond4G);
    EXPECT_EQ(check(source(48), "", INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX), Beyond4G);
    // Bytes per second counted as the silence writer counts them: 1,073,741,831
    // Hz x 4 bytes is 4,294,967,324 a second (28 when cut to 32 bits), so a
    // tenth of a second alone would write some 430 MB.
    WavSpec fast;
    fast.sampleRate = 1073741831;
    fast.data = NoiseBytes(400);
    EXPECT_EQ(check(dir.write("fast.wav", fast.build()), "", 0, 1, 0, 0), Beyond4G);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SizeChecksTest, TheTargetDriveMustHoldTheEstimateAndFourKib)
{
    const std::string src = source(444);
    EXPECT_EQ(check(src, dir.file("out.wav"), 0, 0, 1, 0), "");
    // A relative target is on the drive of the current folder.
    EXPECT_EQ(check(src, "out.wav", 0, 0, 1, 0), "");
    // The process file system has no free bytes at all.
    EXPECT_EQ(check(src, "/proc/out.wav", 0, 0, 1, 0),
              "/proc" + DriveFull + "\n\n" + FreeSize + "0\n" + MadeSize + std::to_string(444 + CdBytesPerSec));
}

}  // namespace
