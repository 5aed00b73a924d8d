// Drive letters on a system without them, worked out from /proc/self/mountinfo alone (no call
// that could wait for a drive), so a hung network mount never holds whoever asks.
// A mount gets a letter when a desktop's file manager would show it:
//   C:  the root file system "/";
//   D: to Z: network mounts wherever they are, and file systems on a device (or a ZFS data set)
//       mounted under /media, /run/media/<user>, /mnt or the user's home folder.
// Never: /boot and other system folders, squashfs images (snaps), bind mounts (a root field other
// than "/", save a btrfs subvolume's own), pseudo file systems (proc, tmpfs, cgroup, ...), a mount
// hidden by a later one on the same folder, and a second mount of a file system already shown.
// A drive keeps its letter while it stays mounted; a new mount takes the first free letter, so a
// stick plugged in never moves the drives already shown. Mounts beyond Z: wait for a free letter.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/drives.h"

namespace sw {

// One line of /proc/self/mountinfo; "\040"-style escapes in paths are decoded.
struct MountEntry {
    int id = 0;
    // "major:minor": the same for every mount of one file system.
    std::string device;
    // The folder of the file system that is mounted here; "/" unless a bind mount.
    std::string root;
    std::string mountPoint;
    std::string fsType;
    // "/dev/sdb1", "nas:/export", "tmpfs", ...
    std::string source;
    std::string superOptions;
};

// Lines that do not have the fields are left out.
std::vector<MountEntry> ParseMountInfo(const std::string& text);

// Where the user's own mounts appear.
struct UserPlaces {
    std::string home;
    std::string user;
};

struct LetterDrive {
    char letter = 'C';
    MountEntry mount;
};

// In letter order.
using DriveLetters = std::vector<LetterDrive>;

// The letters for `mounts`, keeping those of `previous` whose mounts (by mount id) are still
// there.
DriveLetters KeepDriveLetters(const DriveLetters& previous, const std::vector<MountEntry>& mounts,
                              const UserPlaces& places);

// Capitals in letter order: letters whose drive came (or was replaced), and letters whose drive
// went (or was replaced).
struct LetterChanges {
    std::string arrived;
    std::string removed;
};

LetterChanges CompareDriveLetters(const DriveLetters& before, const DriveLetters& after);

// Network file systems are network drives; iso9660 or udf file systems and /dev/sr* devices are
// CD-ROMs; a device `isRemovable` names is removable; any other drive is fixed. Only devices under
// /dev/ are handed to `isRemovable`.
DriveKind KindOf(const MountEntry& mount,
                 const std::function<bool(const std::string& source)>& isRemovable);

}  // namespace sw
