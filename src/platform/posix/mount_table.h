// Drive letters on a system without them. The mapping, stable from scan to scan:
//   C:  the root file system "/";
//   D:, E:, ... the other real mounts, one letter per device, in the order of their mount
//       points (byte order), up to Z:.
// A mount is real when its file system is a network type (nfs, nfs4, cifs, smb3, smbfs,
// sshfs, fuse.sshfs, 9p, ceph, afs, davfs) or its device is a block device under /dev/; pseudo
// file systems (proc, sysfs, tmpfs, cgroup, ...), squashfs images and bind-mounted files get no
// letter, and a device mounted twice keeps only its first mount point.
// Kinds: network types are network drives; iso9660 or udf file systems and /dev/sr* devices are
// CD-ROMs; a device whose disk has /sys/block/<disk>/removable = 1 is removable; every other one
// is fixed. A, B and letters beyond the mounts are absent.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/drives.h"

namespace sw {

struct MountEntry {
    std::string device;
    std::string mountPoint;
    std::string fsType;
};

// Lines of /proc/self/mounts; "\040"-style escapes in paths are decoded.
std::vector<MountEntry> ParseMounts(const std::string& text);

struct LetterDrive {
    char letter = 'C';
    DriveKind kind = DriveKind::Unknown;
    MountEntry mount;
};

// What the mapping needs to ask the system about a mount.
struct MountProbe {
    std::function<bool(const std::string& device)> isRemovable;
    std::function<bool(const std::string& path)> isDirectory;
};

std::vector<LetterDrive> AssignDriveLetters(const std::vector<MountEntry>& mounts,
                                            const MountProbe& probe);

}  // namespace sw
