// The real mount watch: the drives' watcher ends with them, and (run by tests/e2e/linux/mounts.sh
// as root, which names an ext4 image and a scratch folder) a loop mount is heard within half a
// second with the first free letter while every other drive keeps its own, and so is its
// unmount. Built where the POSIX backend is.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/posix/device_links.h"
#include "platform/posix/posix_drives.h"
#include "scratch_files.h"

namespace sw {
namespace {

using namespace std::chrono_literals;

// What the watcher said, in order: "+E" for an arrival of E:, "-E" for its removal.
class HeardChanges {
public:
    void Hear(bool arrival, const std::string& letters)
    {
        std::lock_guard lock(FLock);
        FHeard.push_back((arrival ? "+" : "-") + letters);
        FChanged.notify_all();
    }
    // Waits until the watcher has said `count` things, or `budget` has passed.
    std::vector<std::string> Await(std::size_t count, std::chrono::milliseconds budget)
    {
        std::unique_lock lock(FLock);
        FChanged.wait_for(lock, budget, [&] { return FHeard.size() >= count; });
        return FHeard;
    }

private:
    std::mutex FLock;
    std::condition_variable FChanged;
    std::vector<std::string> FHeard;
};

std::map<char, std::string> MountPoints(PosixDrives& drives)
{
    std::map<char, std::string> points;
    for (char letter = 'C'; letter <= 'Z'; ++letter)
        if (drives.Kind(letter) != DriveKind::Absent)
            points[letter] = drives.VolumeSerial(letter).mountPoint;
    return points;
}

TEST(PosixDrivesTest, TheWatcherEndsWithTheDrivesAndSaysNothingWithoutAChange)
{
    HeardChanges heard;
    {
        PosixDrives drives;
        drives.OnMountsChanged(
            [&](bool arrival, const std::string& letters) { heard.Hear(arrival, letters); });
        EXPECT_EQ(drives.VolumeSerial('C').mountPoint, "/");
    }
    EXPECT_TRUE(heard.Await(1, 0ms).empty());
}

TEST(PosixDrivesTest, DISABLED_ALoopMountIsHeardWithTheFirstFreeLetter)
{
    const char* image = std::getenv("SPACEWELL_MOUNT_IMAGE");
    const char* folder = std::getenv("SPACEWELL_MOUNT_FOLDER");
    ASSERT_TRUE(image && folder) << "run by tests/e2e/linux/mounts.sh, which names the image";
    ASSERT_EQ(geteuid(), 0u) << "mounting a loop device needs root";
    HeardChanges heard;
    PosixDrives drives;
    const std::map<char, std::string> before = MountPoints(drives);
    char firstFree = 'D';
    while (before.count(firstFree) != 0)
        ++firstFree;
    ASSERT_LE(firstFree, 'Z') << "no letter is free on this machine";
    drives.OnMountsChanged(
        [&](bool arrival, const std::string& letters) { heard.Hear(arrival, letters); });

    const std::string mount = std::string("mount -o loop '") + image + "' '" + folder + "'";
    ASSERT_EQ(std::system(mount.c_str()), 0) << mount << ": no loop device?";
    const std::string arrival = std::string("+") + firstFree;
    EXPECT_EQ(heard.Await(1, 500ms), std::vector<std::string>{arrival});
    std::map<char, std::string> expected = before;
    expected[firstFree] = folder;
    EXPECT_EQ(MountPoints(drives), expected) << "the others keep their letters";
    EXPECT_EQ(drives.Kind(firstFree), DriveKind::Fixed);
    EXPECT_GT(drives.Space(firstFree).total, 0);

    const std::string unmount = std::string("umount '") + folder + "'";
    ASSERT_EQ(std::system(unmount.c_str()), 0) << unmount;
    const std::vector<std::string> both{arrival, std::string("-") + firstFree};
    EXPECT_EQ(heard.Await(2, 500ms), both);
    EXPECT_EQ(MountPoints(drives), before);
}

// A label's link as udev names it, followed as links come, go and point elsewhere while the
// program runs.
TEST(DeviceLinksTest, NamesFollowTheFolder)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(ScratchDir()) / "by-label";
    fs::create_directories(folder);
    DeviceLinks links(folder.string());
    fs::create_symlink("/dev/null", folder / "My\\x20Disk");
    EXPECT_EQ(links.NameFor("/dev/null"), "My Disk");
    EXPECT_EQ(links.NameFor("/dev/zero"), std::nullopt);

    fs::create_symlink("/dev/zero", folder / "Stick");
    EXPECT_EQ(links.NameFor("/dev/zero"), "Stick") << "a disk plugged in later";
    fs::remove(folder / "My\\x20Disk");
    fs::create_symlink("/dev/null", folder / "Renamed");
    EXPECT_EQ(links.NameFor("/dev/null"), "Renamed") << "a label changed";

    EXPECT_EQ(links.NameFor("tmpfs"), std::nullopt) << "no device";
    EXPECT_EQ(DeviceLinks((folder / "gone").string()).NameFor("/dev/null"), std::nullopt);
}

}  // namespace
}  // namespace sw
#endif
