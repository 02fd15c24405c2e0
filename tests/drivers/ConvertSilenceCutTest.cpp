// The conversion batch with the silence cut: the silent ends of each source
// are left out before the head silence, fades and tail silence are applied.
#include "ConvertTexts.h"
#include "DriverFixture.h"

namespace {

// 16-bit stereo at 44.1 kHz: runs of frames, each frame's two samples set to a value.
std::string Runs(const TempDir& dir, const std::string& name, const std::vector<std::pair<size_t, int16_t>>& runs)
{
    WavSpec spec;
    for (auto [frames, value] : runs)
        for (size_t i = 0; i < frames * 2; ++i) AppendU16(spec.data, static_cast<uint16_t>(value));
    return dir.write(name, spec.build());
}

int16_t Left(const Bytes& wav, size_t frame) { return static_cast<int16_t>(ReadU16(wav, 44 + frame * 4)); }

}  // namespace

TEST_F(DriverTest, SilenceCutComesBeforeHeadSilenceFadesAndTailAndSilentSourcesAreSkipped)
{
    const size_t second = 44100;
    const std::string sound = Runs(dir, "a.wav", {{second / 2, 0}, {3 * second, 1000}, {second / 2, -1}});
    const std::string quiet = Runs(dir, "q.wav", {{second, 1}});
    ConvertSettings s;
    s.headSeconds = 1;
    s.fadeInSeconds = 1;
    s.tailTenths = 1;
    s.silenceCut = SilenceCut::Both;
    ConvertResult r = ConvertBatch({quiet, sound}, outFolder(), s, hooks);
    EXPECT_EQ(r.converted, 1);
    EXPECT_EQ(r.failed, 1);
    EXPECT_FALSE(std::filesystem::exists(out("q.wav")));

    const Bytes wav = ReadFileBytes(out("a.wav"));
    const size_t head = second, tail = second / 10, kept = 3 * second;
    ASSERT_EQ(wav.size(), 44 + (head + kept + tail) * 4);
    EXPECT_EQ(Left(wav, head - 1), 0);
    EXPECT_EQ(Left(wav, head), 0);                 // the fade-in begins with the sound
    EXPECT_EQ(Left(wav, head + second - 1), 990);  // its last step: 99/100
    EXPECT_EQ(Left(wav, head + kept - 1), 1000);   // the sound ends where the cut left it
    EXPECT_EQ(Left(wav, head + kept), 0);          // then the tail silence

    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[0].kind, PromptKind::Error);
    EXPECT_EQ(prompt.shown[0].text, "無音のみのファイルです・・・MC\n" + quiet + "\n" + ConvertTexts::SkipFile);
    EXPECT_EQ(logLines.size(), 1u);
}

TEST_F(DriverTest, SilenceCutOfOneEndWithoutHeadSilenceUsesTheLevel)
{
    const std::string src = Runs(dir, "a.wav", {{100, 50}, {10, -51}, {100, -50}});
    ConvertSettings s;
    s.silenceCut = SilenceCut::Head;
    s.silenceLevels = {1, 50};
    ConvertResult r = ConvertBatch({src}, outFolder(), s, hooks);
    ASSERT_EQ(r.converted, 1);
    const Bytes in = ReadFileBytes(src), outBytes = ReadFileBytes(out("a.wav"));
    ASSERT_EQ(outBytes.size(), 44u + 110 * 4);
    EXPECT_TRUE(std::equal(outBytes.begin() + 44, outBytes.end(), in.begin() + 44 + 100 * 4));
    EXPECT_EQ(ReadU32(outBytes, 40), 110u * 4);
}
