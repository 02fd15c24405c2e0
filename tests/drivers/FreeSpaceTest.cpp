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
    EXPECT_EQ(FreeSpaceShortage(outFolder(), free - 4096, "結合サイズ:"), "");
    const int64_t tooBig = int64_t{1} << 60;
    EXPECT_EQ(FreeSpaceShortage(outFolder(), tooBig, "結合サイズ:"),
              YenCut(DriveOfPath(outFolder())) + ":ドライブの空きサイズが足りません・・・\n\n空きサイズ:" +
                  std::to_string(DriveFreeSize(DriveOfPath(outFolder()))) + "\n結合サイズ:" + std::to_string(tooBig));
}
