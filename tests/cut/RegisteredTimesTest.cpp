// Registered times with their start-time codes, and their time files.
#include <gtest/gtest.h>

#include "CutWorkState.h"
#include "TimeFiles.h"

namespace {

using Texts = std::vector<std::string>;

}  // namespace

TEST(RegisteredTimes, RegisteringPlacesTheTimeAndItsCodeTogetherOnce)
{
    RegisteredTimes times;
    times.assign({"000000", "060000"}, {"", "2"});
    EXPECT_EQ(times.RegisterEntry("010000", RegistrationCode(true, 4), true), 1);
    EXPECT_EQ(times.times(), (Texts{"000000", "010000", "060000"}));
    EXPECT_EQ(times.StartList(), (Texts{"", "4", "2"}));

    // Again: not added twice; it takes the current colour, also back to none,
    // but only while start times are enabled.
    EXPECT_EQ(times.RegisterEntry("010000", RegistrationCode(true, 1), true), 1);
    EXPECT_EQ(times.RegisterEntry("060000", RegistrationCode(true, 0), true), 2);
    EXPECT_EQ(times.RegisterEntry("000000", "", false), 0);
    EXPECT_EQ(times.StartList(), (Texts{"", "1", ""}));
    EXPECT_EQ(RegistrationCode(false, 3), "");
    EXPECT_EQ(times.size(), 3);
}

TEST(RegisteredTimes, DeletingMarkingAndTheMinutesRewrite)
{
    RegisteredTimes times;
    times.assign({"000000", "010000", "020000", "030000", "040000", "050000"}, {"1", "2", "3", "4", "5", "6"});
    // The selected entries 2 and 4: entry 2 (formerly 3) becomes current.
    EXPECT_EQ(times.DeleteSelected({4, 2}), 2);
    EXPECT_EQ(times.times(), (Texts{"000000", "010000", "030000", "050000"}));
    EXPECT_EQ(times.StartList(), (Texts{"1", "2", "4", "6"}));
    EXPECT_EQ(times.DeleteSelected({}), 0);
    EXPECT_EQ(times.DeleteSelected({3}), std::nullopt);

    times.Mark({0, 2}, "");
    times.Mark({1}, "5");
    EXPECT_EQ(times.StartList(), (Texts{"", "5", ""}));
    EXPECT_FALSE(RegisteredTimes().hasStartTimes());
    EXPECT_TRUE(times.hasStartTimes());

    times.Rewrite(MakeTimeFormat(180000, true));
    EXPECT_EQ(times.times(), (Texts{"0.00000", "0.10000", "0.30000"}));
    times.Rewrite(MakeTimeFormat(180000, false));
    EXPECT_EQ(times.times(), (Texts{"000000", "010000", "030000"}));
    EXPECT_EQ(times.StartList(), (Texts{"", "5", ""}));
}

TEST(TimeFiles, ReadingCompletesTheCodesAndSkipsWhatIsNoTime)
{
    // CR, LF and CR LF ends; "@" is blue; a short .STA is completed, the
    // codes beyond the last time and the code of a line that is no time are dropped.
    RegisteredTimes times = ReadTimeFiles({"030000\r\n010000\r", "junk\n000000"}, {"@\r\n\r\n3\r4\r5\r6\n"});
    EXPECT_EQ(times.times(), (Texts{"000000", "010000", "030000"}));
    EXPECT_EQ(times.StartList(), (Texts{"4", "", "1"}));
    RegisteredTimes shortCodes = ReadTimeFiles({"0000", "1000", "2000"}, {"2"});
    EXPECT_EQ(StaLines(shortCodes), (Texts{"2", "", ""}));
    EXPECT_EQ(QdxLines(shortCodes), (Texts{"0000", "1000", "2000"}));

    EXPECT_EQ(TimeFilesOf("/p/", "song").qdx, "/p/song.QDX");
    EXPECT_EQ(TimeFilesOf("/p/", "song").sta, "/p/song.STA");
    for (const char* bad : {"", ".", "..", "a/b", "a\\b"}) EXPECT_FALSE(UsableSaveBase(bad)) << bad;
    for (const char* good : {"song", "..song", "曲 1"}) EXPECT_TRUE(UsableSaveBase(good)) << good;

    CutWorkState state;
    SetCutFile(state, "/music/My.Song.WAV");
    EXPECT_EQ(state.SaveBase, "My.Song");
    EXPECT_EQ(state.SaveExt, ".WAV");
    SetCutFile(state, "/music/take");
    EXPECT_EQ(state.SaveBase, "take");
    EXPECT_EQ(state.SaveExt, ".wav");
}
