// The folder list's entries, the drive of a folder and the column widths.
#include <gtest/gtest.h>

#include "FileOnlyView.h"
#include "FolderList.h"

using Strings = std::vector<std::string>;

TEST(FolderList, EntriesAreLevelsThenSubfoldersAndLeadToTheirFolders)
{
    const Strings entries = FolderListEntries("/music/live/", {"2023", "2024"});
    EXPECT_EQ(entries, (Strings{"/", "music", "live", "2023", "2024"}));
    EXPECT_EQ(FolderOfEntry("/music/live", entries, 0), "/");
    EXPECT_EQ(FolderOfEntry("/music/live", entries, 1), "/music");
    EXPECT_EQ(FolderOfEntry("/music/live", entries, 2), "/music/live");
    EXPECT_EQ(FolderOfEntry("/music/live", entries, 4), "/music/live/2024");
    EXPECT_EQ(FolderOfEntry("/music/live", entries, 5), "");
    EXPECT_EQ(FolderOfEntry("/", FolderListEntries("/", {"home"}), 1), "/home");
}

TEST(FolderList, DriveOfAFolderIsTheLongestMountPointHoldingIt)
{
    const Strings roots{"/", "/media/usb/", "/media/usb2/", "/home"};
    EXPECT_EQ(DriveIndexOf(roots, "/media/usb/take"), 1);
    EXPECT_EQ(DriveIndexOf(roots, "/media/usb2"), 2);
    EXPECT_EQ(DriveIndexOf(roots, "/media/usb20/x"), 0);
    EXPECT_EQ(DriveIndexOf(roots, "/home/user/"), 3);
    EXPECT_EQ(DriveIndexOf(Strings{"/media/usb/"}, "/etc"), -1);
}

TEST(FileOnlyView, NameOrPathColumnTakesHalfTheWidth)
{
    EXPECT_EQ(RegistrationColumnWidths(800, true), (std::array<int, 5>{380, 0, 123, 200, 70}));
    EXPECT_EQ(RegistrationColumnWidths(800, false), (std::array<int, 5>{0, 380, 123, 200, 70}));
    EXPECT_EQ(FileListColumnWidths(900), (std::array<int, 4>{310, 170, 290, 90}));
}
