// The drive-letter rule over a recorded desktop mount table, as mounts come and go; built where
// the POSIX backend is.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/drives.h"
#include "platform/posix/mount_table.h"

namespace sw {
namespace {

const UserPlaces kPlaces{"/home/user", "user"};

std::string DataFile(const std::string& name)
{
    const char* dir = std::getenv("SPACEWELL_TEST_DATA");
    std::ifstream in(std::string(dir ? dir : "tests/data") + "/" + name);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string Desktop()
{
    std::string text = DataFile("mountinfo-desktop.txt");
    if (text.empty())
        ADD_FAILURE() << "tests/data/mountinfo-desktop.txt not found (SPACEWELL_TEST_DATA)";
    return text;
}

// The table without the mount of this id: an unmount.
std::string Without(const std::string& text, int id)
{
    std::istringstream lines(text);
    std::string line, out;
    while (std::getline(lines, line))
        if (line.rfind(std::to_string(id) + " ", 0) != 0)
            out += line + "\n";
    return out;
}

std::string Mount(int id, const std::string& device, const std::string& folder,
                  const std::string& type = "ext4")
{
    return std::to_string(id) + " 28 " + device + " / " + folder + " rw,relatime - " + type +
           " /dev/sd" + std::to_string(id) + " rw\n";
}

const std::string kStick = "100 28 8:17 / /media/user/AAA\\040STICK rw,nosuid,nodev - vfat "
                           "/dev/sdb1 rw,uid=1000\n";

// The desktop with 25 more mounts under /mnt, m00 to m24, ids 200 on.
std::string Crowded()
{
    std::string text = Desktop();
    for (int i = 0; i < 25; ++i) {
        const std::string number = std::to_string(i);
        const std::string folder = "/mnt/m" + std::string(number.size() < 2 ? "0" : "") + number;
        text += Mount(200 + i, "9:" + number, folder);
    }
    return text;
}

std::string Describe(const DriveLetters& letters)
{
    std::string text;
    for (const auto& d : letters)
        text += (text.empty() ? "" : " ") + std::string(1, d.letter) + ":" + d.mount.mountPoint;
    return text;
}

const char* const kDesktopLetters = "C:/ D:/mnt/data E:/mnt/nas F:/mnt/win share "
                                    "G:/home/user/remote H:/media/user/DVD_2024 I:/home/user/Games";

// Each story's tables are taken in turn, each with the letters the one before left; the changes
// are those of the last table.
TEST(MountTableTest, DrivesKeepTheirLettersAsMountsComeAndGo)
{
    const std::string desktop = Desktop();
    struct Story {
        const char* name;
        std::vector<std::string> tables;
        std::string letters;
        const char* arrived;
        const char* removed;
        UserPlaces places = kPlaces;
    };
    const Story stories[] = {
        {"first start: no bind mount, snap, /boot, pseudo or second mount of a device",
         {desktop},
         kDesktopLetters,
         "CDEFGHI",
         ""},
        {"a stick mounted under /media later renumbers nothing",
         {desktop, desktop + kStick},
         std::string(kDesktopLetters) + " J:/media/user/AAA STICK",
         "J",
         ""},
        {"an unmount leaves a gap",
         {desktop, Without(desktop, 80)},
         "C:/ D:/mnt/data F:/mnt/win share G:/home/user/remote H:/media/user/DVD_2024 "
         "I:/home/user/Games",
         "",
         "E"},
        {"the next mount fills the gap",
         {desktop, Without(desktop, 80), Without(desktop, 80) + kStick},
         "C:/ D:/mnt/data E:/media/user/AAA STICK F:/mnt/win share G:/home/user/remote "
         "H:/media/user/DVD_2024 I:/home/user/Games",
         "E",
         ""},
        {"a device mounted twice: its other mount takes over when the first goes",
         {desktop, Without(desktop, 76)},
         "C:/ D:/mnt/data-again E:/mnt/nas F:/mnt/win share G:/home/user/remote "
         "H:/media/user/DVD_2024 I:/home/user/Games",
         "D",
         "D"},
        {"udisks' folder of this user only",
         {desktop, desktop + Mount(104, "8:64", "/run/media/other/X") +
                       Mount(106, "8:65", "/run/media/user/Y")},
         std::string(kDesktopLetters) + " J:/run/media/user/Y",
         "J",
         ""},
        {"letters run out at Z:; a freed letter goes to a mount that waits",
         {Crowded(), Without(Crowded(), 205)},
         std::string(kDesktopLetters) +
             " J:/mnt/m00 K:/mnt/m01 L:/mnt/m02 M:/mnt/m03 N:/mnt/m04 O:/mnt/m17 P:/mnt/m06"
             " Q:/mnt/m07 R:/mnt/m08 S:/mnt/m09 T:/mnt/m10 U:/mnt/m11 V:/mnt/m12 W:/mnt/m13"
             " X:/mnt/m14 Y:/mnt/m15 Z:/mnt/m16",
         "O",
         "O"},
        {"a service account's home of / takes in no mount",
         {desktop},
         "C:/ D:/mnt/data E:/mnt/nas F:/mnt/win share G:/home/user/remote H:/media/user/DVD_2024",
         "CDEFGH",
         "",
         {"/", "svc"}},
        {"a container's overlay root is C:",
         {"1 0 0:40 / / rw - overlay overlay rw,lowerdir=/a,upperdir=/b\n"},
         "C:/",
         "C",
         ""},
    };
    for (const auto& story : stories) {
        DriveLetters before, after;
        for (const auto& table : story.tables) {
            before = after;
            after = KeepDriveLetters(before, ParseMountInfo(table), story.places);
        }
        EXPECT_EQ(Describe(after), story.letters) << story.name;
        const LetterChanges changes = CompareDriveLetters(before, after);
        EXPECT_EQ(changes.arrived, story.arrived) << story.name;
        EXPECT_EQ(changes.removed, story.removed) << story.name;
    }
}

TEST(MountTableTest, KindsFromTheTableAloneAskOnlyDevicesWhetherRemovable)
{
    std::string asked;
    const auto isRemovable = [&](const std::string& source) {
        asked += source + " ";
        return source == "/dev/sdb1";
    };
    std::string kinds;
    const char* const names[] = {"Unknown", "Absent", "Removable", "Fixed",
                                 "Network", "CdRom",  "RamDisk"};
    for (const auto& d : KeepDriveLetters({}, ParseMountInfo(Desktop() + kStick), kPlaces))
        kinds += std::string(1, d.letter) + ":" + names[int(KindOf(d.mount, isRemovable))] + " ";
    EXPECT_EQ(kinds, "C:Fixed D:Fixed E:Network F:Network G:Network H:CdRom I:Fixed "
                     "J:Removable ");
    EXPECT_EQ(asked, "/dev/nvme0n1p2 /dev/sda1 /dev/sdc1 /dev/sdb1 ");
}

TEST(MountTableTest, ParsesEscapesAndLeavesOutBrokenLines)
{
    const auto mounts = ParseMountInfo("7 1 8:1 / /mnt/a\\134b\\040c\\04 rw shared:1 - ext4 "
                                       "/dev/sd\\040a rw\n"
                                       "x 1 8:2 / /mnt/b rw - ext4 /dev/sdb rw\n"
                                       "8 1 8:3 / /mnt/c rw shared:1 ext4 /dev/sdc rw\n"
                                       "9 1 8:4 / /mnt/d rw -\n"
                                       "10 1 8:5 /\n");
    ASSERT_EQ(mounts.size(), 1u);
    EXPECT_EQ(mounts[0].id, 7);
    EXPECT_EQ(mounts[0].device, "8:1");
    EXPECT_EQ(mounts[0].mountPoint, "/mnt/a\\b c\\04");
    EXPECT_EQ(mounts[0].source, "/dev/sd a");
    EXPECT_EQ(mounts[0].fsType, "ext4");
}

}  // namespace
}  // namespace sw
#endif
