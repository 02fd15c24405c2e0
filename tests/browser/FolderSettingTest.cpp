// The folder-setting rules without a window: unset values, the proposed
// folder and the levels of a path.
#include <gtest/gtest.h>

#include <set>

#include "FolderSetting.h"
#include "Folders.h"
#include "TempHome.h"

TEST(FolderSetting, UnsetValuesProposeTheDefaultFolderOfTheSetting)
{
    TempHome home;
    InitFolders();
    const std::string proposed = home.folder() + "TALVOT32/SAVE_DIR";
    for (const char* unset : {"", "\\", "@@@@@\\", "/"}) {
        EXPECT_TRUE(IsUnsetFolder(unset)) << unset;
        EXPECT_EQ(ProposedFolderText(unset, "SAVE_DIR"), proposed) << unset;
    }
    EXPECT_EQ(ProposedFolderText("/music/out/", "SAVE_DIR"), "/music/out/");
    EXPECT_FALSE(IsUnsetFolder("/music/out/"));
}

TEST(FolderSetting, ADoubleByteNameEndingIn5CIsOneLevel)
{
    // "C:\TALVOT32\" + a CP932 character whose second byte is a backslash.
    const std::string kana = "\x83\x5C";
    const std::string path = "C:\\TALVOT32\\" + kana + "\\";
    std::set<std::string> existing{"C:\\"};
    const auto exists = [&existing](const std::string& level) { return existing.count(level) > 0; };

    EXPECT_EQ(FirstMissingLevel(path, exists), "C:\\TALVOT32");
    existing.insert("C:\\TALVOT32");
    EXPECT_EQ(FirstMissingLevel(path, exists), "C:\\TALVOT32\\" + kana);
    existing.insert("C:\\TALVOT32\\" + kana);
    EXPECT_EQ(FirstMissingLevel(path, exists), std::nullopt);
}
