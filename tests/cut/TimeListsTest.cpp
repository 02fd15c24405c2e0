// Entry texts, the equal-interval list, subdivision and what a click plays.
#include <gtest/gtest.h>

#include "PlayRange.h"
#include "TimeLists.h"

namespace {

using Texts = std::vector<std::string>;

}  // namespace

TEST(TimeTexts, EntriesHaveTheWidthOfTheLengthAndReadBack)
{
    const TimeFormat plain = MakeTimeFormat(180000, false);  // three minutes
    const TimeFormat minutes = MakeTimeFormat(180000, true);
    EXPECT_EQ(plain.LenDigits, 6);
    EXPECT_EQ(minutes.MinDigits, 1);
    EXPECT_EQ(TimeEntryText(0, plain), "000000");
    EXPECT_EQ(TimeEntryText(10000, plain), "010000");
    EXPECT_EQ(TimeEntryText(0, minutes), "0.00000");
    EXPECT_EQ(TimeEntryText(10000, minutes), "0.10000");
    EXPECT_EQ(TimeEntryText(60000, minutes), "1.00000");
    // A time of a longer file keeps all its digits.
    EXPECT_EQ(TimeEntryText(12345678, plain), "12345678");
    EXPECT_EQ(MakeTimeFormat(0, false).LenDigits, 1);
    EXPECT_EQ(MakeTimeFormat(0, true).MinDigits, 1);
    EXPECT_EQ(MakeTimeFormat(36000000, true).MinDigits, 3);

    EXPECT_EQ(EntryTime("010000"), 10000);
    EXPECT_EQ(EntryTime("1.00000"), 60000);
    EXPECT_EQ(EntryTime("12.34567"), 12 * 60000 + 34567);
    for (const char* wrong : {"", "-1", "+1", "1a", " 1", "1.", ".5", "1.2.3", "1234567890123"})
        EXPECT_EQ(ReadEntryTime(wrong), std::nullopt) << wrong;
}

TEST(TimeLists, EqualIntervalListsAndTheirDefaults)
{
    const TimeFormat short9500 = MakeTimeFormat(9500, false);
    EXPECT_EQ(short9500.LenDigits, 4);
    EXPECT_EQ(IntervalMs(DefaultIntervalIndex(9500)), 1000);
    const Texts all = IntervalEntries(1000, short9500);
    ASSERT_EQ(all.size(), 10u);
    EXPECT_EQ(all.front(), "0000");
    EXPECT_EQ(all.back(), "9000");

    const Texts tenMinutes = IntervalEntries(IntervalMs(2), MakeTimeFormat(600000, false));
    ASSERT_EQ(tenMinutes.size(), 11u);
    EXPECT_EQ(tenMinutes.back(), "600000");
    EXPECT_EQ(DefaultIntervalIndex(10000), 1);
    EXPECT_EQ(IntervalMs(-1), 1000);
    EXPECT_EQ(IntervalMs(4), 3600000);
    EXPECT_EQ(IntervalItems(true), (Texts{"1秒", "10秒", "1分", "10分", "60分"}));

    const Texts tenHours = IntervalEntries(1000, MakeTimeFormat(36000000, true));
    ASSERT_EQ(tenHours.size(), 36001u);
    EXPECT_EQ(tenHours.back(), "600.00000");
}

TEST(TimeLists, SubdivisionSpansTheBaseAndReachesBackForTheEndModes)
{
    const TimeFormat hour = MakeTimeFormat(3600000, false);
    Subdivision minutes = Subdivide(5, 5, 300000, SpecialMode::Off, hour);
    ASSERT_EQ(minutes.entries.size(), 58u);  // from 2 minutes before the base to the end of the hour
    EXPECT_EQ(minutes.entries[minutes.baseIndex], "0300000");
    EXPECT_EQ(minutes.entries.front(), "0180000");
    EXPECT_EQ(minutes.entries.back(), "3600000");
    EXPECT_EQ(Subdivide(5, 5, 300000, SpecialMode::Off, MakeTimeFormat(36000000, false)).entries.size(), 65u);

    // A base of 0: the two steps before it are skipped.
    Subdivision zero = Subdivide(2, 5, 0, SpecialMode::Off, hour);
    EXPECT_EQ(zero.baseIndex, 0);
    EXPECT_EQ(zero.entries.front(), "0000000");
    EXPECT_EQ(zero.entries.size(), 13u);

    // ">10ms" with "end　5": its own list begins 100 ms before the base, the
    // 1 ms list is built around the base itself.
    Subdivision tens = Subdivide(1, 1, 5000, SpecialMode::End5, hour);
    EXPECT_EQ(tens.entries.front(), "0004880");
    EXPECT_EQ(tens.entries[tens.baseIndex], "0004900");
    Subdivision ones = Subdivide(0, 1, 5000, SpecialMode::End5, hour);
    EXPECT_EQ(ones.entries.front(), "0004998");
    EXPECT_EQ(ones.entries[ones.baseIndex], "0005000");
    EXPECT_EQ(Subdivide(1, 5, 5000, SpecialMode::MuE100, hour).entries[2], "0005000");
}

TEST(PlayRanges, ClicksPlayTheirZoneTheModesAndTheLastEntrysReach)
{
    const Texts all = {"000000", "010000", "020000"};
    auto play = [&](ListKind kind, const Texts& list, int k, PlayMode mode, SpecialMode special, bool click = true) {
        const PlayRange r = EntryPlayRange(kind, list, k, mode, special, click, 25000);
        return std::to_string(r.PlayFrom) + ".." + std::to_string(r.PlayTo);
    };
    EXPECT_EQ(play(ListKind::ALL, all, 0, PlayMode::Zone, SpecialMode::Off), "0..9999");
    // The last entry of the equal-interval list plays to the end of the file.
    EXPECT_EQ(play(ListKind::ALL, all, 2, PlayMode::Zone, SpecialMode::Off), "20000..-2");
    // The last entry of the 1 s list plays one second.
    EXPECT_EQ(play(ListKind::Step1s, all, 2, PlayMode::Zone, SpecialMode::Off),
              "20000..20999");
    EXPECT_EQ(play(ListKind::C, all, 0, PlayMode::End, SpecialMode::Off), "0..25000");
    EXPECT_EQ(play(ListKind::C, all, 0, PlayMode::End, SpecialMode::Off, false), "0..9999");
    EXPECT_EQ(play(ListKind::ALL, all, 1, PlayMode::Skip, SpecialMode::Off), "10000..11000");
    EXPECT_EQ(play(ListKind::ALL, all, 1, PlayMode::Zone, SpecialMode::Start5),
              "10000..11000");
    EXPECT_EQ(play(ListKind::ALL, all, 1, PlayMode::Zone, SpecialMode::MuS100),
              "10000..10100");
    EXPECT_EQ(play(ListKind::ALL, all, 1, PlayMode::Repeat, SpecialMode::MuE100),
              "9900..10000");
    // "end　5" on an entry at 300 ms begins before 0; the device raises it to 0.
    EXPECT_EQ(play(ListKind::Step100ms, {"0300", "0400"}, 0, PlayMode::Zone, SpecialMode::End5),
              "-200..300");
}

TEST(PlayRanges, StartJumpFindsTheNextMarkOfTheColourWrappingToTheTop)
{
    Texts marks(10);
    marks[2] = "1";
    marks[7] = "1";
    marks[5] = "2";
    EXPECT_EQ(StartJump(2, marks, 1), 2);
    EXPECT_EQ(StartJump(3, marks, 1), 7);
    EXPECT_EQ(StartJump(8, marks, 1), 2);
    EXPECT_EQ(StartJump(3, marks, 0), 5);
    EXPECT_EQ(StartJump(0, marks, 6), std::nullopt);
    EXPECT_EQ(StartJump(0, Texts(10), 0), std::nullopt);
}
