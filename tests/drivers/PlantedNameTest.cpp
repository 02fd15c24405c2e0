// A name chosen for an output that something else takes while the run works
// (a file or a link planted there by another program): the run never writes
// through it or replaces it, and its output takes the next free number.
#include <filesystem>

#include "ChannelBatch.h"
#include "DriverFixture.h"
#include "JoinDriver.h"

namespace fs = std::filesystem;

class PlantedNameTest : public DriverTest {
protected:
    std::string victim;

    void SetUp() override
    {
        DriverTest::SetUp();
        victim = dir.write("victim.txt", Bytes{'k', 'e', 'e', 'p'});
    }

    // Plants a link to the victim at `name` in the output folder as the run
    // shows its first status text that begins with `when`.
    void plantLinkAt(const std::string& name, const std::string& when)
    {
        hooks.status = [this, name, when](const std::string& text) {
            if (text.starts_with(when) && !fs::is_symlink(out(name))) fs::create_symlink(victim, out(name));
        };
    }

    void expectVictimUntouched(const std::string& link)
    {
        EXPECT_EQ(ReadFileBytes(victim), (Bytes{'k', 'e', 'e', 'p'}));
        EXPECT_TRUE(fs::is_symlink(link));
    }
};

TEST_F(PlantedNameTest, ConversionJoinAndReversalGoToTheNextNumber)
{
    const std::string x = constant("x.wav", 4410, 500);
    plantLinkAt("x.wav", "変換中:");
    ConvertSettings convert;
    convert.fadeInSeconds = 1;
    EXPECT_EQ(ConvertBatch({x}, outFolder(), convert, hooks).converted, 1);
    expectVictimUntouched(out("x.wav"));
    EXPECT_EQ(ReadFileBytes(out("x_m000.wav")).size(), 44u + 4410u * 4u);

    plantLinkAt("x_a000.wav", "結合中:");
    EXPECT_EQ(JoinBatch({x, x}, outFolder(), {}, hooks).output, out("x_a001.wav"));
    expectVictimUntouched(out("x_a000.wav"));
    EXPECT_EQ(ReadFileBytes(out("x_a001.wav")).size(), 44u + 2 * 4410u * 4u);

    plantLinkAt("x_RV000.wav", "反転中:");
    EXPECT_EQ(ChannelBatch(ChannelJob::Reverse, {x}, outFolder(), {}, hooks).written, 1);
    expectVictimUntouched(out("x_RV000.wav"));
    EXPECT_TRUE(fs::exists(out("x_RV001.wav")));
    for (const auto& entry : fs::directory_iterator(outFolder()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
}

// Left and right of a separation keep names of one pair: when the right
// name is taken meanwhile, both move on to the next pair.
TEST_F(PlantedNameTest, SeparationPairsMoveOnTogether)
{
    const std::string x = constant("x.wav", 4410, 500);
    plantLinkAt("x__R.wav", "分離中:");
    ChannelBatchResult r = ChannelBatch(ChannelJob::Separate, {x}, outFolder(), {}, hooks);
    EXPECT_EQ(r.written, 2);
    EXPECT_FALSE(fs::exists(out("x__L.wav")));
    expectVictimUntouched(out("x__R.wav"));
    EXPECT_TRUE(fs::exists(out("x_lr000_L.wav")));
    EXPECT_TRUE(fs::exists(out("x_lr000_R.wav")));
}

// A length changed while a conversion runs applies from the next file.
TEST_F(PlantedNameTest, ConversionReadsItsLengthsAtEachFile)
{
    const std::string a = constant("a.wav", 441), b = constant("b.wav", 441);
    BatchTimes times;
    ConvertSettings settings;
    settings.readTimes = [&times] { return times; };
    hooks.status = [&times](const std::string& text) {
        if (text.ends_with("b.wav")) times.tailSeconds = 1;
    };
    EXPECT_EQ(ConvertBatch({a, b}, outFolder(), settings, hooks).converted, 2);
    EXPECT_EQ(ReadFileBytes(out("a.wav")).size(), 44u + 441u * 4u);
    EXPECT_EQ(ReadFileBytes(out("b.wav")).size(), 44u + (441u + 44100u) * 4u);
}
