#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "Folders.h"
#include "TempHome.h"

namespace fs = std::filesystem;

TEST(Folders, FollowHomeAndCreateTheWorkFolder)
{
    TempHome home;
    ASSERT_TRUE(InitFolders(""));
    EXPECT_EQ(WindowsFolder(), home.folder());
    EXPECT_EQ(WorkFolder(), home.folder() + "TALVOT32/TEMP/");
    EXPECT_TRUE(fs::is_directory(WorkFolder()));
    EXPECT_EQ(DefaultOutputFolder("DIR_HENKAN"), home.folder() + "TALVOT32/DIR_HENKAN/");
    EXPECT_EQ(DefaultBrowserFolder(), home.folder());

    fs::create_directory(home.path() / "Music");
    InitFolders("");
    EXPECT_EQ(DefaultBrowserFolder(), home.folder() + "Music/");
}

TEST(Folders, ProgramFolderIsTheExecutablesWhenWritable)
{
    TempHome home;
    fs::create_directories(home.path() / "bin");
    InitFolders((home.path() / "bin" / "vantro").string());
    EXPECT_EQ(ProgramFolder(), home.folder() + "bin/");

    fs::permissions(home.path() / "bin", fs::perms::owner_read | fs::perms::owner_exec);
    InitFolders((home.path() / "bin" / "vantro").string());
    const std::string fallback = home.folder() + ".local/share/TALVO SOFT32/VANTRO/";
    if (getuid() != 0) {  // root may write anywhere
        EXPECT_EQ(ProgramFolder(), fallback);
    }
    fs::permissions(home.path() / "bin", fs::perms::owner_all);

    InitFolders((home.path() / "missing" / "vantro").string());
    EXPECT_EQ(ProgramFolder(), fallback);
    EXPECT_TRUE(fs::is_directory(fallback));
}
