// The drive-letter mapping over a recorded desktop mount table; built where the POSIX backend is.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/drives.h"
#include "platform/posix/mount_table.h"

namespace sw {
namespace {

std::string DataFile(const std::string& name)
{
    const char* dir = std::getenv("SPACEWELL_TEST_DATA");
    std::ifstream in(std::string(dir ? dir : "tests/data") + "/" + name);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(MountTableTest, ParsesFieldsAndEscapes)
{
    auto mounts = ParseMounts("//files/share /mnt/win\\040share cifs rw 0 0\nshort line\n");
    ASSERT_EQ(mounts.size(), 1u);
    EXPECT_EQ(mounts[0].device, "//files/share");
    EXPECT_EQ(mounts[0].mountPoint, "/mnt/win share");
    EXPECT_EQ(mounts[0].fsType, "cifs");
}

TEST(MountTableTest, DesktopMountsGetStableLettersAndKinds)
{
    std::string text = DataFile("mounts-desktop.txt");
    ASSERT_FALSE(text.empty()) << "test data not found";
    MountProbe probe{[](const std::string& dev) { return dev == "/dev/sdb1"; },
                     [](const std::string& path) { return path != "/etc/hostname"; }};
    auto drives = AssignDriveLetters(ParseMounts(text), probe);

    struct Expected {
        char letter;
        const char* mountPoint;
        DriveKind kind;
    };
    const Expected expected[] = {
        {'C', "/", DriveKind::Fixed},
        {'D', "/boot/efi", DriveKind::Fixed},
        {'E', "/home", DriveKind::Fixed},
        {'F', "/home/user/remote", DriveKind::Network},
        {'G', "/media/user/DVD_2024", DriveKind::CdRom},
        {'H', "/media/user/STICK", DriveKind::Removable},
        {'I', "/mnt/nas", DriveKind::Network},
        {'J', "/mnt/win share", DriveKind::Network},
    };
    ASSERT_EQ(drives.size(), std::size(expected));
    for (std::size_t i = 0; i < drives.size(); ++i) {
        EXPECT_EQ(drives[i].letter, expected[i].letter);
        EXPECT_EQ(drives[i].mount.mountPoint, expected[i].mountPoint);
        EXPECT_EQ(drives[i].kind, expected[i].kind) << expected[i].mountPoint;
    }
}

TEST(MountTableTest, ContainerRootIsStillDriveC)
{
    auto drives = AssignDriveLetters(
        ParseMounts("overlay / overlay rw 0 0\n"),
        {[](const std::string&) { return false; }, [](const std::string&) { return true; }});
    ASSERT_EQ(drives.size(), 1u);
    EXPECT_EQ(drives[0].letter, 'C');
    EXPECT_EQ(drives[0].kind, DriveKind::Fixed);
}

TEST(MountTableTest, LettersStopAtZ)
{
    std::string text = "/dev/root / ext4 rw 0 0\n";
    for (int i = 0; i < 40; ++i)
        text +=
            "/dev/sd" + std::to_string(i) + " /mnt/m" + std::to_string(100 + i) + " ext4 rw 0 0\n";
    auto drives = AssignDriveLetters(ParseMounts(text), {[](const std::string&) { return false; },
                                                         [](const std::string&) { return true; }});
    ASSERT_EQ(drives.size(), 24u);
    EXPECT_EQ(drives.back().letter, 'Z');
    EXPECT_EQ(drives.back().mount.mountPoint, "/mnt/m122");
}

}  // namespace
}  // namespace sw
#endif
