#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "Folders.h"
#include "TempHome.h"

namespace fs = std::filesystem;

TEST(Folders, FollowHomeAndCreateTheWorkFolder)
{
    TempHome home;
    ASSERT_TRUE(InitFolders());
    EXPECT_EQ(WindowsFolder(), home.folder());
    EXPECT_EQ(WorkFolder(), home.folder() + "TALVOT32/TEMP/");
    EXPECT_TRUE(fs::is_directory(WorkFolder()));
    EXPECT_EQ(DefaultOutputFolder("DIR_HENKAN"), home.folder() + "TALVOT32/DIR_HENKAN/");
    EXPECT_EQ(DefaultBrowserFolder(), home.folder());

    fs::create_directory(home.path() / "Music");
    InitFolders();
    EXPECT_EQ(DefaultBrowserFolder(), home.folder() + "Music/");
}

// The user's lists live in the data home, whatever folder the program runs
// from: never beside the executable, even when that folder is writable.
TEST(Folders, ProgramFolderIsInTheDataHomeAndCreated)
{
    TempHome home;
    setenv("XDG_DATA_HOME", (home.path() / "data").c_str(), 1);
    ASSERT_TRUE(InitFolders());
    EXPECT_EQ(ProgramFolder(), home.folder() + "data/TALVO SOFT32/VANTRO/");
    EXPECT_TRUE(fs::is_directory(ProgramFolder()));

    // Unset or relative (which is to be ignored): ~/.local/share.
    for (const char* relative : {static_cast<const char*>(nullptr), "data"}) {
        if (relative) setenv("XDG_DATA_HOME", relative, 1);
        else unsetenv("XDG_DATA_HOME");
        ASSERT_TRUE(InitFolders());
        EXPECT_EQ(ProgramFolder(), home.folder() + ".local/share/TALVO SOFT32/VANTRO/");
        EXPECT_TRUE(fs::is_directory(ProgramFolder()));
    }

    // A data home that cannot be made is reported.
    std::FILE* blocker = std::fopen((home.path() / "file").c_str(), "w");
    ASSERT_NE(blocker, nullptr);
    std::fclose(blocker);
    setenv("XDG_DATA_HOME", (home.path() / "file").c_str(), 1);
    EXPECT_FALSE(InitFolders());
}
