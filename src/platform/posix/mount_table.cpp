// The mount-table-to-letters mapping described in the header, free of file access so it can
// be tested with any table.
#include "platform/posix/mount_table.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

#include "platform/drives.h"

namespace sw {
namespace {

std::string Unescape(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() &&
            std::isdigit(static_cast<unsigned char>(field[i + 1]))) {
            out += static_cast<char>(std::stoi(field.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool IsNetworkType(const std::string& fsType)
{
    static const std::set<std::string> kTypes = {"nfs",   "nfs4",  "cifs",       "smb3",
                                                 "smbfs", "sshfs", "fuse.sshfs", "9p",
                                                 "ceph",  "afs",   "davfs"};
    return kTypes.count(fsType) != 0;
}

bool IsReal(const MountEntry& m)
{
    if (IsNetworkType(m.fsType))
        return true;
    return m.device.rfind("/dev/", 0) == 0 && m.fsType != "squashfs";
}

DriveKind KindOf(const MountEntry& m, const MountProbe& probe)
{
    if (IsNetworkType(m.fsType))
        return DriveKind::Network;
    std::string base = m.device.substr(m.device.rfind('/') + 1);
    if (m.fsType == "iso9660" || m.fsType == "udf" || base.rfind("sr", 0) == 0)
        return DriveKind::CdRom;
    return probe.isRemovable(m.device) ? DriveKind::Removable : DriveKind::Fixed;
}

}  // namespace

std::vector<MountEntry> ParseMounts(const std::string& text)
{
    std::vector<MountEntry> mounts;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        MountEntry m;
        if (fields >> m.device >> m.mountPoint >> m.fsType)
            mounts.push_back({Unescape(m.device), Unescape(m.mountPoint), m.fsType});
    }
    return mounts;
}

std::vector<LetterDrive> AssignDriveLetters(const std::vector<MountEntry>& mounts,
                                            const MountProbe& probe)
{
    std::vector<LetterDrive> drives;
    std::vector<MountEntry> others;
    std::set<std::string> devices;
    for (const auto& m : mounts) {
        if (m.mountPoint == "/" && drives.empty()) {
            drives.push_back({'C', KindOf(m, probe), m});
            devices.insert(m.device);
        } else if (m.mountPoint != "/" && IsReal(m)) {
            others.push_back(m);
        }
    }
    std::stable_sort(others.begin(), others.end(),
                     [](const auto& a, const auto& b) { return a.mountPoint < b.mountPoint; });
    char letter = 'D';
    for (const auto& m : others) {
        if (letter > 'Z')
            break;
        if (!probe.isDirectory(m.mountPoint) || !devices.insert(m.device).second)
            continue;
        drives.push_back({letter++, KindOf(m, probe), m});
    }
    return drives;
}

}  // namespace sw
