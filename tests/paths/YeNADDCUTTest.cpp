#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempHome.h"
#include "YeNADDCUT.h"

namespace fs = std::filesystem;
using Levels = std::vector<std::string>;

// "C:\" followed by the two-byte character 0x83 0x5C, whose second byte is a backslash.
const std::string kSoFolder = "C:\\\x83\x5C";

TEST(YenCut, BackslashPathsKeepRootsAndDoubleByteCharacters)
{
    EXPECT_EQ(YenCut("C:\\"), "C:\\");
    EXPECT_EQ(YenCut("C:\\A\\"), "C:\\A");
    EXPECT_EQ(YenCut(""), "");
    EXPECT_EQ(YenCut(kSoFolder), kSoFolder);
    // 0x83 0x83 is one character, so the 0x5C after it is a separator.
    EXPECT_EQ(YenCut("C:\\\x83\x83\\"), "C:\\\x83\x83");
}

TEST(YenCut, NativePaths)
{
    EXPECT_EQ(YenCut("/"), "/");
    EXPECT_EQ(YenCut("/a/"), "/a");
    EXPECT_EQ(YenCut("a/"), "a");
    // A UTF-8 name ending in bytes of the lead-byte range ("あ" is E3 81 82).
    EXPECT_EQ(YenCut("/tmp/\xE3\x81\x82/"), "/tmp/\xE3\x81\x82");
}

TEST(YenAdd, AddsTheSeparatorOfThePathsOwnStyle)
{
    EXPECT_EQ(YenAdd("C:"), "C:\\");
    EXPECT_EQ(YenAdd(""), "");
    EXPECT_EQ(YenAdd("C:\\A"), "C:\\A\\");
    EXPECT_EQ(YenAdd(kSoFolder), kSoFolder + "\\");
    EXPECT_EQ(YenAdd("C:\\\x83\x83\\"), "C:\\\x83\x83\\");
    EXPECT_EQ(YenAdd("/"), "/");
    EXPECT_EQ(YenAdd("/home/user"), "/home/user/");
    EXPECT_EQ(YenAdd("/tmp/\xE3\x81\x82"), "/tmp/\xE3\x81\x82/");
    EXPECT_EQ(YenAdd("name"), "name/");
}

TEST(SplitFolderPath, LevelsEndInTheirSeparator)
{
    EXPECT_EQ(SplitFolderPath("C:\\A\\B"), (Levels{"C:\\", "A\\", "B\\"}));
    EXPECT_EQ(SplitFolderPath("/home/user/"), (Levels{"/", "home/", "user/"}));
    EXPECT_EQ(SplitFolderPath(kSoFolder + "\\B"), (Levels{"C:\\", "\x83\x5C\\", "B\\"}));
    // A '/' after a lead-range byte still separates: UTF-8 "あ" then "b".
    EXPECT_EQ(SplitFolderPath("/\xE3\x81\x82/b"), (Levels{"/", "\xE3\x81\x82/", "b/"}));
    EXPECT_EQ(SplitFolderPath("\"C:\\A\""), Levels{});
}

TEST(SplitFolderPath, NamesAndCumulativeLevels)
{
    EXPECT_EQ(SplitFolderNames("C:\\A\\B"), (Levels{"C:\\", "A", "B"}));
    EXPECT_EQ(SplitFolderNames("/home/" "\x83\x5C" "/"), (Levels{"/", "home", "\x83\x5C"}));
    EXPECT_EQ(FolderLevels("C:\\A\\B"), (Levels{"C:\\", "C:\\A", "C:\\A\\B"}));
    EXPECT_EQ(FolderLevels("/home/user"), (Levels{"/", "/home", "/home/user"}));
    EXPECT_EQ(FolderLevels("rel/sub/"), (Levels{"rel", "rel/sub"}));
}

TEST(MakeFolder, CreatesEveryMissingLevel)
{
    TempHome home;
    const std::string work = home.folder() + "TALVOT32/TEMP/";
    ASSERT_TRUE(MakeFolder(work));
    EXPECT_TRUE(fs::is_directory(work));
    EXPECT_TRUE(MakeFolder(work));  // already there
    EXPECT_TRUE(MakeFolder(home.folder() + "a/./b/../c"));
    EXPECT_TRUE(fs::is_directory(home.path() / "a" / "c"));
    EXPECT_FALSE(fs::exists(home.path() / "a" / "b"));
}

TEST(MakeFolder, FailsWithoutChangingTheCurrentDirectory)
{
    TempHome home;
    std::ofstream(home.path() / "file") << "x";
    const fs::path before = fs::current_path();
    EXPECT_FALSE(MakeFolder(home.folder() + "file/sub"));
    EXPECT_FALSE(MakeFolder(""));
    EXPECT_EQ(fs::current_path(), before);
}

TEST(ResolveFolderPath, FindsLevelsWithOtherLetterCase)
{
    TempHome home;
    fs::create_directories(home.path() / "Music" / "Live");
    std::string path = home.folder() + "MUSIC/live/";
    ASSERT_TRUE(ResolveFolderPath(path));
    EXPECT_EQ(path, home.folder() + "Music/Live/");

    path = home.folder() + "music/Live";
    ASSERT_TRUE(ResolveFolderPath(path));
    EXPECT_EQ(path, home.folder() + "Music/Live");

    std::string missing = home.folder() + "music/none";
    EXPECT_FALSE(ResolveFolderPath(missing));
    EXPECT_EQ(missing, home.folder() + "music/none");
}
