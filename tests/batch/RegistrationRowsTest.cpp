#include "RegistrationRows.h"

#include <QFile>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "BatchTestSupport.h"

TEST(RegistrationMoveTest, SelectedRowsMoveAsOneBlockInTheirOrder)
{
    ListEntries up = Entries("ABCDE", "BD");
    EXPECT_EQ(MoveSelected(up, MoveDirection::Up), 0);
    EXPECT_EQ(Shown(up), "[B][D]ACE");

    ListEntries down = Entries("ABCDE", "BD");
    EXPECT_EQ(MoveSelected(down, MoveDirection::Down), 2);
    EXPECT_EQ(Shown(down), "AC[B][D]E");
}

TEST(RegistrationMoveTest, BlocksAtTheEndsStayAndNothingSelectedChangesNothing)
{
    ListEntries top = Entries("ABC", "A");
    EXPECT_EQ(MoveSelected(top, MoveDirection::Up), 0);
    EXPECT_EQ(Shown(top), "[A]BC");

    ListEntries bottom = Entries("ABCD", "CD");
    EXPECT_EQ(MoveSelected(bottom, MoveDirection::Down), 2);
    EXPECT_EQ(Shown(bottom), "AB[C][D]");

    ListEntries none = Entries("ABC");
    EXPECT_EQ(MoveSelected(none, MoveDirection::Down), std::nullopt);
    EXPECT_EQ(Shown(none), "ABC");
}

TEST(RegistrationDeleteTest, RemovesOnlySelectedEntries)
{
    ListEntries entries = Entries("ABCDE", "ACE");
    EXPECT_EQ(RemoveSelected(entries), 3);
    EXPECT_EQ(Shown(entries), "BD");
}

TEST(RegistrationSortTest, SizesCompareByNumberWhateverTheirText)
{
    ListEntries entries{{Row("big", "  10,000"), false},
                        {Row("small", "   9,999"), true},
                        {Row("huge", "1,234,567,890"), false},
                        {Row("gone", ""), false}};
    EXPECT_EQ(SortEntries(entries, SizeColumn, false), 1);
    EXPECT_EQ(Shown(entries), "gone[small]bighuge");
    EXPECT_EQ(SortEntries(entries, SizeColumn, true), 2);
    EXPECT_EQ(Shown(entries), "hugebig[small]gone");
}

TEST(RegistrationSortTest, DatesSortAscendingThenDescendingAndOnlyTheFirstSelectedStays)
{
    ListEntries entries{{Row("b", "1", "24/03/09 07:05:02 Sat"), true},
                        {Row("a", "1", "23/12/31 23:59:59 Sun"), true},
                        {Row("c", "1", "24/03/10 00:00:00 Sun"), false}};
    SortDirections directions;
    EXPECT_FALSE(directions.toggle(DateColumn));  // first click: ascending
    EXPECT_EQ(SortEntries(entries, DateColumn, false), 1);
    EXPECT_EQ(Shown(entries), "a[b]c");
    EXPECT_TRUE(directions.toggle(DateColumn));
    SortEntries(entries, DateColumn, true);
    EXPECT_EQ(Shown(entries), "c[b]a");
}

TEST(RegistrationSortTest, CaptionAndPathShareOneFlagThatStartsDescending)
{
    SortDirections directions;
    EXPECT_TRUE(directions.toggle(CaptionColumn));
    EXPECT_FALSE(directions.toggle(PathColumn));
    EXPECT_FALSE(directions.toggle(SizeColumn));
    EXPECT_FALSE(directions.toggle(AttributesColumn));
}

TEST(RegistrationTextsTest, CountCaptionsCopyTextAndCaptionSearch)
{
    const CountCaptions twelve = CountCaptionsFor(12);
    EXPECT_EQ(twelve.caption, QStringLiteral("12ｺ　ファイル名"));
    EXPECT_EQ(twelve.path, QStringLiteral("12ｺ　フルパス名"));
    EXPECT_EQ(CountCaptionsFor(std::nullopt).path, QStringLiteral("---ｺ　フルパス名"));

    const ListEntries entries = Entries("ABA", "B");
    EXPECT_EQ(PathsText(entries), "/music/A\r\n/music/B\r\n/music/A\r\n");
    EXPECT_EQ(PathsText({}), "");
    EXPECT_EQ(FindCaption(entries, "A"), 0);
    EXPECT_EQ(FindCaption(entries, "a"), std::nullopt);
    EXPECT_EQ(FindCaption(entries, ""), std::nullopt);
    EXPECT_EQ(SelectedCaption(entries), "B");
    EXPECT_EQ(SelectedCaption(Entries("AB")), "");
}

TEST(RegistrationRefreshTest, RenewsFactsAndEmptiesThemForMissingFiles)
{
    TempHome home;
    const auto visible = home.path() / "take.wav";
    const auto hidden = home.path() / ".hidden.wav";
    std::ofstream(visible) << std::string(10000, 'x');
    std::ofstream(hidden) << "y";
    std::filesystem::permissions(hidden, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);

    ListEntries entries{{Row("take.wav", "", ""), true}, {Row(".hidden.wav"), false}, {Row("gone.wav"), false}};
    entries[0].row.path = QString::fromStdString(visible.string());
    entries[1].row.path = QString::fromStdString(hidden.string());
    RefreshEntries(entries);

    EXPECT_EQ(entries[0].row.size, "  10,000");
    EXPECT_EQ(entries[0].row.date.size(), 21);
    EXPECT_EQ(entries[0].row.attributes, "   A");
    EXPECT_TRUE(entries[0].selected);
    EXPECT_EQ(entries[1].row.size, "       1");
    if (::geteuid() != 0) {
        EXPECT_EQ(entries[1].row.attributes, "R HA");
    }
    EXPECT_EQ(entries[2].row, (FileRow{"gone.wav", "/music/gone.wav", "", "", ""}));
    EXPECT_EQ(ReadFileFacts(QString::fromStdString(home.path().string())), std::nullopt);
}

TEST(RegistrationColumnsTest, WidthsFollowThePageWidth)
{
    EXPECT_EQ(StandardColumnWidths(600), (std::array<int, 5>{0, 280, 90, 150, 50}));
    EXPECT_EQ(StandardColumnWidths(0), (std::array<int, 5>{0, 0, 0, 0, 0}));
}
