#pragma once
// The free-space check of a batch: the estimated output size plus 4096 bytes
// must fit the free space of the volume that holds the output folder.
#include <cstdint>
#include <string>

// Empty when the output fits; otherwise the shortage text: mount point +
// ":ドライブの空きサイズが足りません・・・" + two line breaks + "空きサイズ:" +
// free bytes + line break + sizeLabel + estimate (plain decimals).
std::string FreeSpaceShortage(const std::string& outputFolder, int64_t estimate, const std::string& sizeLabel);
