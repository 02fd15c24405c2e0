#pragma once
// Drives: the mounted real file systems, named by their mount points.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

enum class DriveType { Removable, Fixed, Network, CdRom, RamDisk };

struct Drive {
    std::string root;  // mount point with its trailing separator, e.g. "/" or "/media/usb/"
    DriveType type = DriveType::Fixed;
};

// One line of the system's mount table.
struct Mount {
    std::string source;   // device or remote resource, e.g. "/dev/sda1", "server:/export"
    std::string point;    // mount point, without trailing separator except for "/"
    std::string type;     // file system type, e.g. "ext4", "nfs", "tmpfs"
    std::string options;  // comma-separated mount options
};

// The lines of a mount table in the /proc/self/mounts layout (octal escapes
// such as "\040" decoded), in table order.
std::vector<Mount> ParseMounts(std::istream& table);
// The system's mount table; empty where there is none to read.
std::vector<Mount> ReadMounts();
// The drive type of a mounted file system, or nothing for a pseudo file
// system (proc, sysfs, cgroup, ...) and for system runtime memory disks.
std::optional<DriveType> DriveTypeOfMount(const Mount& mount);

// The mounted real file systems (no pseudo file systems), by mount point.
std::vector<Drive> ListDrives();
// The mount point (with trailing separator) of the volume that holds a path;
// empty when the path is not absolute.
std::string DriveOfPath(const std::string& path);
// Free and total bytes of the volume holding `drive` (a mount point or any
// absolute path on it); -1 when it is empty, not absolute or cannot be read.
int64_t DriveFreeSize(const std::string& drive);
int64_t DriveTotalSize(const std::string& drive);
// The volume label of the volume holding `drive`; empty when it has none or
// it cannot be read.
std::string DriveLabel(const std::string& drive);
// "[" + volume label + "]"; "[]" when the label cannot be read.
std::string DriveLabelText(const std::string& drive);
// The connected resource of a network drive, otherwise DriveLabelText.
std::string DriveRemoteName(const std::string& drive);
// The name of a drive: the connected resource of a network drive (its label
// when that cannot be had), the volume label of every other type; empty when
// there is none.
std::string DriveName(const Drive& drive);
// The text of a drive's entry in the drive list: the mount point followed by
// the drive's name in brackets, "/media/usb/[MY DISK]", or the mount point
// alone when the drive has no name, "/".
std::string DriveEntryText(const std::string& root, const std::string& name);
std::string DriveEntryText(const Drive& drive);

// The volume label of a block device from a folder of label links such as
// /dev/disk/by-label (link names escaped as "\x20"); empty when none links to it.
std::string VolumeLabel(const std::string& device, const std::string& labelFolder = "/dev/disk/by-label");
