#pragma once
// Drives: the mounted real file systems, named by their mount points.
#include <cstdint>
#include <string>
#include <vector>

enum class DriveType { Removable, Fixed, Network, CdRom, RamDisk };

struct Drive {
    std::string root;  // mount point with its trailing separator, e.g. "/" or "/media/usb/"
    DriveType type = DriveType::Fixed;
};

// The mounted real file systems (no pseudo file systems), by mount point.
std::vector<Drive> ListDrives();
// The mount point (with trailing separator) of the volume that holds a path;
// empty when the path is not absolute.
std::string DriveOfPath(const std::string& path);
// Free and total bytes of the volume holding `drive` (a mount point or any
// absolute path on it); -1 when it is empty, not absolute or cannot be read.
int64_t DriveFreeSize(const std::string& drive);
int64_t DriveTotalSize(const std::string& drive);
// "[" + volume label + "]"; "[]" when the label cannot be read.
std::string DriveLabelText(const std::string& drive);
// The connected resource of a network drive, otherwise DriveLabelText.
std::string DriveRemoteName(const std::string& drive);
