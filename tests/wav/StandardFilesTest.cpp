// Files as other programs write them: odd chunks followed by a pad byte, and
// PCM in an extensible `fmt ` chunk, through every routine.
#include <algorithm>
#include <filesystem>

#include "Channels.h"
#include "CopyRoutineTest.h"
#include "Fade.h"
#include "Fmt16.h"
#include "HeadTexts.h"
#include "Silence.h"
#include "WavAppend.h"
#include "WavCopy.h"

namespace {

class StandardFilesTest : public CopyRoutineTest {
protected:
    // Runs a routine that works on one file in place; returns the error text.
    std::string inPlace(const std::function<void(const std::string&, std::string&)>& routine, const Bytes& file)
    {
        std::string path = dir.write("in.wav", file);
        std::string err = "not set";
        routine(path, err);
        return err;
    }
};

// A LIST chunk of odd size before `fmt ` and a junk chunk of odd size before
// `data`, each followed by its pad byte or not.
WavSpec OddChunks(WavSpec s, bool padded)
{
    s.chunksBeforeFmt = {{"LIST", NoiseBytes(25, 7)}};
    s.chunksBetween = {{"junk", NoiseBytes(3, 8)}};
    s.padOddChunks = padded;
    return s;
}

TEST_F(StandardFilesTest, OddChunksWithOrWithoutPadAreCopiedSwappedAndAppended)
{
    for (bool padded : {true, false}) {
        WavSpec s = OddChunks(CdStereo(4000), padded);
        ASSERT_EQ(run(CopyWav, s.build()), "") << padded;
        EXPECT_EQ(output(), Normalised(s).build()) << padded;  // the LIST chunk keeps its pad byte

        // The swap reads from where the walk left the source.
        ASSERT_EQ(run(WavSwapChannels, s.build()), "") << padded;
        WavSpec swapped = Normalised(s);
        for (size_t f = 0; f < s.data.size(); f += 4)
            std::swap_ranges(swapped.data.begin() + long(f), swapped.data.begin() + long(f + 2),
                             swapped.data.begin() + long(f + 2));
        EXPECT_EQ(output(), swapped.build()) << padded;

        WavSpec target = OddChunks(CdStereo(2000, 2), padded);
        dir.write("out.wav", target.build());
        ASSERT_EQ(run(WavAppend, s.build()), "") << padded;
        target.data.insert(target.data.end(), s.data.begin(), s.data.end());
        EXPECT_EQ(output(), target.build()) << padded;
    }
}

TEST_F(StandardFilesTest, ExtensiblePcmIsAcceptedByEveryRoutine)
{
    const WavSpec s = Extensible(CdStereo(2 * 7056 + 8));
    const Bytes extensible = s.build();
    ASSERT_EQ(ReadU32(extensible, 16), 40u);

    // Copy, swap and head silence carry the 40-byte chunk whole.
    ASSERT_EQ(run(CopyWav, extensible), "");
    EXPECT_EQ(output(), Normalised(s).build());
    ASSERT_EQ(run(WavSwapChannels, extensible), "");
    const Bytes swapped = output();
    EXPECT_EQ(Bytes(swapped.begin(), swapped.begin() + 68), Bytes(extensible.begin(), extensible.begin() + 68));
    ASSERT_EQ(run([](auto& in, auto& out, auto& err) { AddHeadSilence(in, out, 0, 1, err); }, extensible), "");
    EXPECT_EQ(ReadU32(output(), 64), 17640u);
    EXPECT_EQ(ReadU32(output(), 16), 40u);

    // fmt16 and the split write a plain 16-byte PCM chunk; the split's is mono.
    WavSpec plain = CdStereo(0);
    plain.data = s.data;
    ASSERT_EQ(run(WavFmt18To16, extensible), "");
    EXPECT_EQ(output(), plain.build());
    ASSERT_EQ(run([](auto& in, auto& out, auto& err) { WavSplitChannel(in, out, false, err); }, extensible), "");
    WavSpec right = plain;
    right.channels = 1;
    right.data.clear();
    for (size_t f = 0; f < s.data.size(); f += 4) right.data.insert(right.data.end(), {s.data[f + 2], s.data[f + 3]});
    EXPECT_EQ(output(), right.build());
    EXPECT_EQ(ReadU32(output(), 28), 88200u);
    EXPECT_EQ(ReadU16(output(), 32), 2);

    // Joined with a plain PCM file of the same format, either way round.
    dir.write("out.wav", plain.build());
    ASSERT_EQ(run(WavAppend, extensible), "");
    EXPECT_EQ(ReadU32(output(), 40), 2 * s.data.size());
    dir.write("out.wav", extensible);
    ASSERT_EQ(run(WavAppend, plain.build()), "");
    EXPECT_EQ(ReadU32(output(), 64), 2 * s.data.size());

    EXPECT_EQ(inPlace([](auto& file, auto& err) { AddTailSilence(file, 0, 1, err); }, extensible), "");
    EXPECT_EQ(ReadU32(ReadFileBytes(source()), 64), s.data.size() + 17640);
    EXPECT_EQ(inPlace([](auto& file, auto& err) { FadeInOut(file, err, 0, 0, 0, 0); }, extensible), "");
}

TEST_F(StandardFilesTest, ExtensibleFloatIsRefusedByEveryRoutine)
{
    const Bytes floating = Extensible(CdStereo(800), 3).build();
    const Bytes plain = CdStereo(800).build();
    auto compressed = [](const char* code) { return HeadTexts(code).compressed(); };

    const std::pair<Routine, std::string> copies[] = {
        {CopyWav, compressed("WC2")},
        {WavSwapChannels, compressed("RV")},
        {WavFmt18To16, compressed("FC")},
        {[](auto& in, auto& out, auto& err) { WavSplitChannel(in, out, true, err); }, compressed("LR")},
        {[](auto& in, auto& out, auto& err) { AddHeadSilence(in, out, 0, 1, err); }, compressed("MF")},
    };
    for (const auto& [routine, text] : copies) {
        EXPECT_EQ(run(routine, floating), text);
        EXPECT_FALSE(outputExists()) << text;
    }

    dir.write("out.wav", floating);
    EXPECT_EQ(run(WavAppend, plain), compressed("K"));
    EXPECT_EQ(output(), floating);
    dir.write("out.wav", plain);
    EXPECT_EQ(run(WavAppend, floating), compressed("KD"));
    EXPECT_EQ(output(), plain);

    EXPECT_EQ(inPlace([](auto& file, auto& err) { AddTailSilence(file, 0, 1, err); }, floating), compressed("EA"));
    EXPECT_EQ(inPlace([](auto& file, auto& err) { FadeInOut(file, err, 1, 1, 0, 0); }, floating), compressed("F"));
    EXPECT_EQ(ReadFileBytes(source()), floating);
}

}  // namespace
