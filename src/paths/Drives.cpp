#include "Drives.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <istream>
#include <map>
#include <sstream>
#include <string_view>
#include <system_error>

#include "YeNADDCUT.h"

namespace fs = std::filesystem;

namespace {

// File systems of disks, of discs, of network shares and of memory disks.
constexpr std::string_view kDiskTypes[] = {
    "ext2", "ext3", "ext4", "xfs", "btrfs", "f2fs", "jfs", "reiserfs", "zfs", "bcachefs", "nilfs2",
    "overlay", "vfat", "msdos", "exfat", "ntfs", "ntfs3", "fuseblk", "hfs", "hfsplus", "apfs", "ufs"};
constexpr std::string_view kDiscTypes[] = {"iso9660", "udf"};
constexpr std::string_view kNetworkTypes[] = {
    "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph", "glusterfs", "9p", "davfs", "fuse.sshfs", "fuse.rclone"};
constexpr std::string_view kMemoryTypes[] = {"tmpfs", "ramfs"};
// Folders of the system's own runtime file systems; a memory disk mounted
// below one of them is plumbing, not a drive.
constexpr std::string_view kSystemFolders[] = {"/dev", "/proc", "/run", "/sys"};
// Folders where removable media are mounted.
constexpr std::string_view kMediaFolders[] = {"/media", "/run/media"};

template <size_t N>
bool Contains(const std::string_view (&list)[N], std::string_view value)
{
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

// True when `point` (a mount point) holds `path`.
bool Holds(const std::string& point, const std::string& path)
{
    if (point == "/") return !path.empty() && path[0] == '/';
    return path.compare(0, point.size(), point) == 0 && (path.size() == point.size() || path[point.size()] == '/');
}

template <size_t N>
bool IsBelowAny(const std::string_view (&folders)[N], const std::string& point)
{
    return std::any_of(std::begin(folders), std::end(folders),
                       [&](std::string_view folder) { return Holds(std::string(folder), point); });
}

bool HasOption(const std::string& options, std::string_view option)
{
    std::istringstream list(options);
    for (std::string item; std::getline(list, item, ',');)
        if (item == option) return true;
    return false;
}

// Decodes the three-digit octal escapes ("\040") of a mount table field.
std::string UnescapeOctal(const std::string& field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        const bool escape = field[i] == '\\' && i + 3 < field.size() &&
                            std::all_of(field.begin() + i + 1, field.begin() + i + 4, [](char c) { return c >= '0' && c <= '7'; });
        if (escape) {
            out += static_cast<char>(std::stoi(field.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

// Decodes the "\xNN" escapes of a udev link name.
std::string UnescapeHex(const std::string& name)
{
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        const bool escape = name.compare(i, 2, "\\x") == 0 && i + 3 < name.size() &&
                            std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
                            std::isxdigit(static_cast<unsigned char>(name[i + 3]));
        if (escape) {
            out += static_cast<char>(std::stoi(name.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            out += name[i];
        }
    }
    return out;
}

std::string WithTrailingSlash(const std::string& point) { return point.empty() || point.back() == '/' ? point : point + '/'; }

std::optional<fs::space_info> SpaceOf(const std::string& drive)
{
    if (drive.empty() || !fs::path(drive).is_absolute()) return std::nullopt;
    std::error_code ec;
    const fs::space_info info = fs::space(drive, ec);
    if (ec) return std::nullopt;
    return info;
}

int64_t ToSize(std::uintmax_t bytes)
{
    if (bytes == static_cast<std::uintmax_t>(-1)) return -1;
    return bytes > static_cast<std::uintmax_t>(INT64_MAX) ? INT64_MAX : static_cast<int64_t>(bytes);
}

// The mount table entry of the volume that holds `drive`.
std::optional<Mount> MountOfDrive(const std::string& drive)
{
    const std::string root = DriveOfPath(drive);
    if (root.empty()) return std::nullopt;
    const std::string point = root == "/" ? root : root.substr(0, root.size() - 1);
    std::optional<Mount> found;
    for (const Mount& mount : ReadMounts())
        if (mount.point == point) found = mount;  // a later mount hides an earlier one
    return found;
}

// The connected resource of the volume holding `drive` when it is a network share.
std::optional<std::string> RemoteResource(const std::string& drive)
{
    const std::optional<Mount> mount = MountOfDrive(drive);
    if (mount && !mount->source.empty() && DriveTypeOfMount(*mount) == DriveType::Network) return mount->source;
    return std::nullopt;
}

}  // namespace

std::vector<Mount> ParseMounts(std::istream& table)
{
    std::vector<Mount> mounts;
    for (std::string line; std::getline(table, line);) {
        std::istringstream fields(line);
        Mount mount;
        if (!(fields >> mount.source >> mount.point >> mount.type)) continue;
        fields >> mount.options;
        mount.source = UnescapeOctal(mount.source);
        mount.point = UnescapeOctal(mount.point);
        mounts.push_back(std::move(mount));
    }
    return mounts;
}

std::vector<Mount> ReadMounts()
{
    std::ifstream table("/proc/self/mounts");
    return table ? ParseMounts(table) : std::vector<Mount>{};
}

std::optional<DriveType> DriveTypeOfMount(const Mount& mount)
{
    if (Contains(kNetworkTypes, mount.type)) return DriveType::Network;
    if (Contains(kDiscTypes, mount.type)) return DriveType::CdRom;
    if (Contains(kDiskTypes, mount.type))
        return IsBelowAny(kMediaFolders, mount.point) ? DriveType::Removable : DriveType::Fixed;
    if (Contains(kMemoryTypes, mount.type) && !IsBelowAny(kSystemFolders, mount.point) && !HasOption(mount.options, "ro"))
        return DriveType::RamDisk;
    return std::nullopt;
}

std::vector<Drive> ListDrives()
{
    const std::vector<Mount> mounts = ReadMounts();
    if (mounts.empty()) {
        std::error_code ec;
        return {Drive{fs::current_path(ec).root_path().string(), DriveType::Fixed}};
    }
    std::map<std::string, Mount> byPoint;  // in mount point order; a later mount hides an earlier one
    for (const Mount& mount : mounts) byPoint[mount.point] = mount;
    std::vector<Drive> drives;
    for (const auto& [point, mount] : byPoint) {
        const std::optional<DriveType> type = DriveTypeOfMount(mount);
        if (type && FolderExists(point)) drives.push_back(Drive{WithTrailingSlash(point), *type});
    }
    return drives;
}

std::string DriveOfPath(const std::string& path)
{
    if (path.empty() || !fs::path(path).is_absolute()) return {};
    std::error_code ec;
    fs::path full = fs::weakly_canonical(path, ec);
    if (ec) full = fs::path(path).lexically_normal();
    const std::string text = full.string();
    std::string best;
    for (const Mount& mount : ReadMounts())
        if (Holds(mount.point, text) && mount.point.size() > best.size()) best = mount.point;
    if (best.empty()) return full.root_path().string();
    return WithTrailingSlash(best);
}

int64_t DriveFreeSize(const std::string& drive)
{
    const std::optional<fs::space_info> info = SpaceOf(drive);
    return info ? ToSize(info->available) : -1;
}

int64_t DriveTotalSize(const std::string& drive)
{
    const std::optional<fs::space_info> info = SpaceOf(drive);
    return info ? ToSize(info->capacity) : -1;
}

std::string DriveLabel(const std::string& drive)
{
    const std::optional<Mount> mount = MountOfDrive(drive);
    return mount ? VolumeLabel(mount->source) : std::string();
}

std::string DriveLabelText(const std::string& drive)
{
    return "[" + DriveLabel(drive) + "]";
}

std::string DriveRemoteName(const std::string& drive)
{
    return RemoteResource(drive).value_or(DriveLabelText(drive));
}

std::string DriveName(const Drive& drive)
{
    if (drive.type == DriveType::Network) return RemoteResource(drive.root).value_or(DriveLabel(drive.root));
    return DriveLabel(drive.root);
}

std::string DriveEntryText(const std::string& root, const std::string& name)
{
    return name.empty() ? root : root + "[" + name + "]";
}

std::string DriveEntryText(const Drive& drive)
{
    return DriveEntryText(drive.root, DriveName(drive));
}

std::string VolumeLabel(const std::string& device, const std::string& labelFolder)
{
    if (device.empty() || device[0] != '/') return {};
    std::error_code ec;
    const fs::path target = fs::canonical(device, ec);
    if (ec) return {};
    for (fs::directory_iterator it(labelFolder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code linkError;
        if (fs::canonical(it->path(), linkError) == target && !linkError)
            return UnescapeHex(it->path().filename().string());
    }
    return {};
}
