#include "FreeSpace.h"

#include <filesystem>

#include "Drives.h"
#include "YeNADDCUT.h"

namespace {

const std::string DriveFullText = ":ドライブの空きサイズが足りません・・・";
const std::string FreeSizeLabel = "空きサイズ:";
constexpr int64_t Reserve = 4096;

}  // namespace

std::string FreeSpaceShortage(const std::string& outputFolder, int64_t estimate, const std::string& sizeLabel)
{
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(outputFolder, ec);
    const std::string drive = DriveOfPath(ec ? outputFolder : full.string());
    const int64_t freeBytes = DriveFreeSize(drive);
    if (estimate + Reserve <= freeBytes) return "";
    return YenCut(drive) + DriveFullText + "\n" + "\n" + FreeSizeLabel + std::to_string(freeBytes) + "\n" +
           sizeLabel + std::to_string(estimate);
}
