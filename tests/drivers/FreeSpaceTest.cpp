// The free-space check names the volume of the output folder and both sizes.
#include "DriverFixture.h"
#include "Drives.h"
#include "FreeSpace.h"
#include "YeNADDCUT.h"

TEST_F(DriverTest, FreeSpaceShortageNamesTheMountPointAndBothSizes)
{
    EXPECT_EQ(FreeSpaceShortage(outFolder(), 0, "結合サイズ:"), "");
    const int64_t free = DriveFreeSize(DriveOfPath(outFolder()));
    ASSERT_GT(free, 4096);
    // Other programs write to the same volume meanwhile: half the free space
    // still fits, and the free size in the message is read anew.
    EXPECT_EQ(FreeSpaceShortage(outFolder(), free / 2, "結合サイズ:"), "");
    const int64_t tooBig = int64_t{1} << 60;
    const std::string text = FreeSpaceShortage(outFolder(), tooBig, "結合サイズ:");
    const std::string head = YenCut(DriveOfPath(outFolder())) + ":ドライブの空きサイズが足りません・・・\n\n空きサイズ:";
    const std::string tail = "\n結合サイズ:" + std::to_string(tooBig);
    ASSERT_TRUE(text.starts_with(head) && text.ends_with(tail)) << text;
    const std::string shown = text.substr(head.size(), text.size() - head.size() - tail.size());
    EXPECT_NEAR(std::stod(shown), static_cast<double>(free), static_cast<double>(free) / 2);
}
