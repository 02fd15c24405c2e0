#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Drives.h"
#include "TempHome.h"

namespace fs = std::filesystem;

TEST(ParseMounts, ReadsFieldsAndDecodesEscapes)
{
    std::istringstream table(
        "/dev/sdb1 /media/user/MY\\040DISK vfat rw,nosuid 0 0\n"
        "\n"
        "server:/export /mnt/nfs nfs4 rw 0 0\n");
    const std::vector<Mount> mounts = ParseMounts(table);
    ASSERT_EQ(mounts.size(), 2u);
    EXPECT_EQ(mounts[0].source, "/dev/sdb1");
    EXPECT_EQ(mounts[0].point, "/media/user/MY DISK");
    EXPECT_EQ(mounts[0].type, "vfat");
    EXPECT_EQ(mounts[0].options, "rw,nosuid");
    EXPECT_EQ(mounts[1].point, "/mnt/nfs");
}

TEST(DriveTypeOfMount, KeepsRealFileSystemsOnly)
{
    auto type = [](const std::string& fsType, const std::string& point, const std::string& options = "rw") {
        return DriveTypeOfMount(Mount{"src", point, fsType, options});
    };
    EXPECT_EQ(type("ext4", "/"), DriveType::Fixed);
    EXPECT_EQ(type("overlay", "/"), DriveType::Fixed);
    EXPECT_EQ(type("vfat", "/media/user/USB"), DriveType::Removable);
    EXPECT_EQ(type("iso9660", "/media/cdrom"), DriveType::CdRom);
    EXPECT_EQ(type("cifs", "/mnt/share"), DriveType::Network);
    EXPECT_EQ(type("tmpfs", "/tmp"), DriveType::RamDisk);
    EXPECT_EQ(type("tmpfs", "/run/user/1000"), std::nullopt);
    EXPECT_EQ(type("tmpfs", "/mnt/ro", "ro,nosuid"), std::nullopt);
    EXPECT_EQ(type("tmpfs", "/runner"), DriveType::RamDisk);  // not below /run
    for (const char* pseudo : {"proc", "sysfs", "cgroup2", "devpts", "devtmpfs", "securityfs", "autofs"})
        EXPECT_EQ(type(pseudo, "/x"), std::nullopt) << pseudo;
}

TEST(ListDrives, HoldsTheRootOfThisSystem)
{
    const std::vector<Drive> drives = ListDrives();
    ASSERT_FALSE(drives.empty());
    EXPECT_TRUE(std::any_of(drives.begin(), drives.end(), [](const Drive& d) { return d.root == "/"; }));
    for (const Drive& drive : drives) EXPECT_EQ(drive.root.rfind("/proc", 0), std::string::npos) << drive.root;
}

TEST(DriveOfPath, IsTheLongestMountPointHoldingThePath)
{
    TempHome home;
    const fs::path file = home.path() / "a.wav";
    std::ofstream(file) << "x";
    const std::string drive = DriveOfPath(file.string());
    ASSERT_FALSE(drive.empty());
    EXPECT_EQ(drive.back(), '/');
    const std::string point = drive == "/" ? drive : drive.substr(0, drive.size() - 1);
    EXPECT_EQ(fs::canonical(file).string().rfind(point, 0), 0u);
    EXPECT_EQ(DriveOfPath("/proc/self/status"), "/proc/");
    EXPECT_EQ(DriveOfPath("/"), "/");
    EXPECT_EQ(DriveOfPath("relative/a.wav"), "");
    // A file not yet written is on the drive of its folder.
    EXPECT_EQ(DriveOfPath((home.path() / "new.wav").string()), drive);
}

TEST(DriveSize, MinusOneForNoDrive)
{
    EXPECT_EQ(DriveFreeSize("1"), -1);
    EXPECT_EQ(DriveFreeSize(""), -1);
    EXPECT_EQ(DriveFreeSize("relative/folder"), -1);
    EXPECT_EQ(DriveFreeSize("/no/such/folder/anywhere"), -1);
    EXPECT_GT(DriveFreeSize("/"), 0);
    EXPECT_GE(DriveTotalSize("/"), DriveFreeSize("/"));
}

TEST(DriveLabel, FromTheLabelLinksOfTheDevice)
{
    TempHome home;
    const fs::path device = home.path() / "sdz1";
    const fs::path labels = home.path() / "by-label";
    std::ofstream(device) << "";
    fs::create_directories(labels);
    fs::create_symlink(device, labels / "MY\\x20DISK");
    fs::create_symlink(home.path() / "other", labels / "OTHER");
    EXPECT_EQ(VolumeLabel(device.string(), labels.string()), "MY DISK");
    EXPECT_EQ(VolumeLabel((home.path() / "other").string(), labels.string()), "");
    EXPECT_EQ(VolumeLabel("overlay", labels.string()), "");

    const std::string rootLabel = DriveLabelText("/");
    EXPECT_EQ(rootLabel.front(), '[');
    EXPECT_EQ(rootLabel.back(), ']');
    EXPECT_EQ(DriveLabelText(""), "[]");
    EXPECT_EQ(DriveRemoteName("/"), rootLabel);  // not a network drive
    EXPECT_EQ("[" + DriveName(Drive{"/", DriveType::Fixed}) + "]", rootLabel);

    // The drive list shows a volume with its label, one without a label by
    // its mount point alone (never an empty "[]").
    EXPECT_EQ(DriveEntryText("/media/usb/", "MY DISK"), "/media/usb/[MY DISK]");
    EXPECT_EQ(DriveEntryText("/mnt/share/", "server:/export"), "/mnt/share/[server:/export]");
    EXPECT_EQ(DriveEntryText("/", ""), "/");
    EXPECT_EQ(DriveEntryText(Drive{"/", DriveType::Fixed}), DriveEntryText("/", DriveName(Drive{"/", DriveType::Fixed})));
}
